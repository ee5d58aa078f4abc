#include "app/tour.h"

#include "app/data/treemodel.h"
#include "app/pagecode.h"
#include "app/tmainform.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTreeView>

namespace holvane::app {

int firstNodeOfType(TMainForm &window, int code)
{
    const store::Table &tree = window.T_Tree();
    if (!tree.isOpen())
        return -1;
    const int field = tree.fieldIndex("CFrame");
    const std::string wanted = std::to_string(code);
    for (int i = 0; i < tree.recordCount() && field >= 0; ++i) {
        const store::Value &v = tree.valueAt(i, field);
        if (!v.isNull() && v.rawBytes() == wanted)
            return i;
    }
    return -1;
}

QStringList runTour(TMainForm &window, const QString &directory)
{
    QDir().mkpath(directory);
    QStringList written;
    const auto shoot = [&](const QString &name) {
        QApplication::processEvents();
        const QString path = QDir(directory).filePath(name);
        if (window.grab().save(path))
            written << path;
    };
    shoot(QStringLiteral("1-cover.png"));
    const struct {
        int code;
        const char *file;
    } stops[] = { { pagecode::Text, "2-text.png" }, { pagecode::Picture, "3-picture.png" },
        { pagecode::Calculator, "4-calculator.png" }, { pagecode::Cards, "5-cards.png" },
        { pagecode::Curve, "6-curve.png" } };
    for (const auto &stop : stops) {
        const int position = firstNodeOfType(window, stop.code);
        if (position < 0)
            continue;
        const QModelIndex node = window.treeModel()->indexOfPosition(position);
        window.m_treeView()->setCurrentIndex(node);
        shoot(QString::fromLatin1(stop.file));
    }
    return written;
}

} // namespace holvane::app
