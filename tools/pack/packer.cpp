#include "packer.h"

#include "cataloguepacker.h"
#include "contentkeys.h"
#include "itemtables.h"
#include "librarypacker.h"
#include "packerror.h"
#include "picture.h"
#include "programtables.h"
#include "store/archive.h"
#include "store/names.h"
#include "store/scramble.h"
#include "store/storeerror.h"
#include "tablesource.h"
#include "tablewriter.h"
#include "treesource.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace holvane::pack {

namespace fs = std::filesystem;

namespace {

constexpr const char *kTableExtension = ".table";

// The entries of a folder in byte order of their names, so that the output
// does not depend on the order the file system lists them in.
std::vector<fs::path> sortedEntries(const fs::path &dir)
{
    std::vector<fs::path> entries;
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return entries;
    for (const auto &entry : fs::directory_iterator(dir))
        if (entry.path().filename().string().front() != '.')
            entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end(),
        [](const fs::path &a, const fs::path &b) { return a.filename().string() < b.filename().string(); });
    return entries;
}

std::vector<fs::path> filesBelow(const fs::path &dir)
{
    std::vector<fs::path> files;
    for (const fs::path &entry : sortedEntries(dir)) {
        if (fs::is_directory(entry)) {
            for (fs::path &f : filesBelow(entry))
                files.push_back(std::move(f));
        } else {
            files.push_back(entry);
        }
    }
    return files;
}

std::string readBytes(const fs::path &file, const std::string &name)
{
    return readSourceFile(file, name);
}

// libzip writes no file for an archive without members; the program is to
// find each archive all the same, so an empty one is the bare end record.
void commitArchive(store::ArchiveWriter &writer, const fs::path &archive)
{
    writer.commit();
    if (!fs::exists(archive)) {
        static const char endRecord[22] = { 'P', 'K', 5, 6 };
        std::ofstream(archive, std::ios::binary).write(endRecord, sizeof endRecord);
    }
}

class Packing {
public:
    Packing(fs::path source, fs::path staging)
        : m_source(std::move(source))
        , m_staging(std::move(staging))
    {
    }

    void run()
    {
        checkTopLevel();
        fs::create_directories(m_staging / "bkdata");
        packPictures("imgi", "imgi.dat", m_keys.pictures);
        packPictures("curvei", "curvei.dat", m_keys.curves);
        packTextPages();
        packDataTables();
        packTables("212dat312", m_staging / "212dat312", &m_keys.cardTables, false);
        packTables("sjdata", m_staging / "sjdata", nullptr, true);
        packTables("database", m_staging / "database", nullptr, false);
        packTables("计算器/data", m_staging / "计算器" / "data", nullptr, false);
        checkProgramTables(m_staging);
        packCatalogue();
        packLibrary();
        copyHelp();
        makeWorkFolders();
    }

private:
    std::string name(const fs::path &file) const { return relativeName(m_source, file); }

    void checkTopLevel() const
    {
        static const std::vector<std::string> known = { "README.md", "catalogue.tree", "formulas.tree", "imgi",
            "curvei", "myhtm", "mydat", "212dat312", "sjdata", "database", "计算器", "help", "drawings" };
        for (const fs::path &entry : sortedEntries(m_source)) {
            const std::string n = entry.filename().string();
            if (std::find(known.begin(), known.end(), n) == known.end())
                throw PackError(n, 0, "不认识的源文件或目录");
        }
        if (!fs::is_regular_file(m_source / "catalogue.tree"))
            throw PackError("catalogue.tree", 0, "缺少目录文件");
        if (!fs::is_regular_file(m_source / "formulas.tree"))
            throw PackError("formulas.tree", 0, "缺少公式库文件");
    }

    // A key of a folder of keyed sources: the file name without its
    // extension; two files may not give one key, whatever their case.
    std::string keyOf(const fs::path &file, std::map<std::string, std::string> &seen) const
    {
        return registerKey(file.stem().string(), file, seen);
    }

    std::string registerKey(
        const std::string &key, const fs::path &file, std::map<std::string, std::string> &seen) const
    {
        if (const std::string problem = keyProblem(key); !problem.empty())
            throw PackError(name(file), 0, problem);
        const auto [it, fresh] = seen.emplace(store::asciiLower(key), name(file));
        if (!fresh)
            throw PackError(name(file), 0, "与“" + it->second + "”的键相同（不分大小写）");
        return key;
    }

    void packPictures(const std::string &folder, const std::string &archive, std::set<std::string> &keys)
    {
        store::ArchiveWriter writer(m_staging / "bkdata" / archive);
        std::map<std::string, std::string> seen;
        for (const fs::path &file : sortedEntries(m_source / folder)) {
            if (fs::is_directory(file) || !isPictureFile(file))
                throw PackError(name(file), 0, "这里只放图片文件（svg、png、jpg、bmp、gif）");
            const std::string key = keyOf(file, seen);
            const QImage image = loadPicture(file);
            if (image.isNull())
                throw PackError(name(file), 0, "图片无法解码");
            std::string bmp = bmpBytes(image);
            store::scrambleContent(bmp);
            writer.add(key + ".bmp", std::move(bmp));
            keys.insert(store::asciiLower(key));
        }
        commitArchive(writer, m_staging / "bkdata" / archive);
    }

    void packTextPages()
    {
        store::ArchiveWriter writer(m_staging / "bkdata" / "myhtm.dat");
        std::map<std::string, std::string> seen;
        for (const fs::path &dir : sortedEntries(m_source / "myhtm")) {
            if (!fs::is_directory(dir))
                throw PackError(name(dir), 0, "文本页应是一个目录，内有“键.htm”及其图片");
            const std::string key = registerKey(dir.filename().string(), dir, seen);
            const fs::path page = dir / (key + ".htm");
            if (!fs::is_regular_file(page))
                throw PackError(name(dir), 0, "文本页目录中缺少“" + key + ".htm”");
            store::ArchiveWriter inner(m_staging / ".page.zip");
            inner.add(key + ".htm", readBytes(page, name(page)));
            for (const fs::path &file : filesBelow(dir)) {
                if (file == page)
                    continue;
                if (isPictureFile(file) && loadPicture(file).isNull())
                    throw PackError(name(file), 0, "图片无法解码");
                inner.add(relativeName(dir, file), readBytes(file, name(file)));
            }
            inner.commit();
            writer.add(key + ".dat", readBytes(m_staging / ".page.zip", ".page.zip"));
            fs::remove(m_staging / ".page.zip");
            m_keys.textPages.insert(store::asciiLower(key));
        }
        commitArchive(writer, m_staging / "bkdata" / "myhtm.dat");
    }

    void packDataTables()
    {
        store::ArchiveWriter writer(m_staging / "bkdata" / "mydat.dat");
        std::map<std::string, std::string> seen;
        const fs::path work = m_staging / ".mydat";
        for (const fs::path &file : tableFiles("mydat")) {
            const std::string key = keyOf(file, seen);
            const SourceText text(m_source, file);
            fs::create_directories(work);
            writeTable(TableSource(text), work, key + ".db");
            std::string bytes = readBytes(work / (key + ".db"), key + ".db");
            store::scrambleContent(bytes);
            writer.add(key + ".db", std::move(bytes));
            fs::remove_all(work);
            m_keys.dataTables.insert(store::asciiLower(key));
        }
        commitArchive(writer, m_staging / "bkdata" / "mydat.dat");
    }

    std::vector<fs::path> tableFiles(const std::string &folder) const
    {
        std::vector<fs::path> files;
        for (const fs::path &file : sortedEntries(m_source / fs::u8path(folder))) {
            if (fs::is_directory(file))
                continue; // pictures and memo files beside the tables
            if (file.extension() == kTableExtension)
                files.push_back(file);
        }
        return files;
    }

    void packTables(const std::string &folder, const fs::path &target, std::set<std::string> *keys, bool items)
    {
        fs::create_directories(target);
        std::map<std::string, std::string> seen;
        for (const fs::path &file : tableFiles(folder)) {
            const std::string tableName = keyOf(file, seen);
            const SourceText text(m_source, file);
            const TableSource table(text);
            if (items)
                checkFormulaPosition(table, tableName);
            writeTable(table, target, tableName);
            if (keys) {
                // The program adds ".DB" to a name without it: both spellings name the table.
                const std::string lower = store::asciiLower(tableName);
                keys->insert(lower);
                if (lower.size() > 3 && lower.compare(lower.size() - 3, 3, ".db") == 0)
                    keys->insert(lower.substr(0, lower.size() - 3));
                else
                    keys->insert(lower + ".db");
            }
        }
    }

    static void checkFormulaPosition(const TableSource &table, const std::string &tableName)
    {
        int position = 0;
        if (!itemTableFormulaPosition(tableName, position))
            return;
        const auto &columns = table.columns();
        if (position < 0) {
            const auto it = std::find_if(
                columns.begin(), columns.end(), [](const ColumnSpec &c) { return c.field.name == "计算公式"; });
            if (it == columns.end() || it->kind != ColumnKind::Formula)
                table.source().fail(0, "计算项目表“" + tableName + "”须有 formula 类型的字段“计算公式”");
            return;
        }
        if (static_cast<int>(columns.size()) <= position
            || columns[static_cast<size_t>(position)].kind != ColumnKind::Formula)
            table.source().fail(0,
                "计算项目表“" + tableName + "”的公式须是第 " + std::to_string(position)
                    + " 个字段（从 0 数起），类型 formula");
    }

    void packCatalogue()
    {
        const SourceText text(m_source, m_source / "catalogue.tree");
        pack::packCatalogue(TreeSource(text, catalogueKeys()), m_keys, m_staging / "database");
    }

    void packLibrary()
    {
        const SourceText text(m_source, m_source / "formulas.tree");
        pack::packLibrary(TreeSource(text, libraryKeys()), m_staging / "计算器" / "data");
    }

    void copyHelp()
    {
        fs::create_directories(m_staging / "help");
        const fs::path help = m_source / "help";
        for (const fs::path &file : filesBelow(help)) {
            const fs::path target = m_staging / "help" / file.lexically_relative(help);
            fs::create_directories(target.parent_path());
            fs::copy_file(file, target);
        }
    }

    void makeWorkFolders()
    {
        for (const char *dir : { "dat", "result", "txt" })
            fs::create_directories(m_staging / dir);
        QImage white(16, 16, QImage::Format_RGB32);
        white.fill(Qt::white);
        const std::string placeholder = bmpBytes(white);
        for (const auto &[dir, file] : { std::pair { "img", "futu.bmp" }, std::pair { "curve", "quxian.bmp" } }) {
            fs::create_directories(m_staging / dir);
            std::ofstream(m_staging / dir / file, std::ios::binary) << placeholder;
        }
    }

    fs::path m_source;
    fs::path m_staging;
    ContentKeys m_keys;
};

} // namespace

void packContent(const fs::path &source, const fs::path &out)
{
    if (!fs::is_directory(source))
        throw PackError(source.string(), 0, "源目录不存在");
    fs::create_directories(out);
    const fs::path staging = out / ".holvane-pack";
    fs::remove_all(staging);
    fs::create_directories(staging);
    try {
        Packing(source, staging).run();
    } catch (...) {
        std::error_code ec;
        fs::remove_all(staging, ec);
        try {
            throw;
        } catch (const store::StoreError &e) {
            throw PackError(out.string(), 0, e.what());
        } catch (const fs::filesystem_error &e) {
            throw PackError(out.string(), 0, e.what());
        }
    }
    for (const fs::path &entry : sortedEntries(staging)) {
        const fs::path target = out / entry.filename();
        fs::remove_all(target);
        fs::rename(entry, target);
    }
    fs::remove_all(staging);
}

} // namespace holvane::pack
