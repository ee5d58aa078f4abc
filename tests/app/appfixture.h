#pragma once

#include "app/appcontext.h"
#include "app/desktopservice.h"
#include "app/messagerecorder.h"
#include "app/tmainform.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace holvane::test {

// The fixture content packed by the real packer (once per test program),
// copied into a fresh AppDir for every test.
std::filesystem::path packedFixture();

// A test over a main window built on its own copy of the packed fixture,
// with recorded messages and desktop calls and no splash wait.
class AppFixture : public ::testing::Test {
protected:
    AppFixture();
    ~AppFixture() override;

    // Builds the context (on first call) and the main window, and shows it.
    app::TMainForm &window();
    app::AppContext &context();

    // Changes a field of a catalogue node before the window opens the table.
    void setNodeField(int cid, const std::string &field, const std::string &text);
    // Reads the catalogue again after setNodeField, as the window would;
    // an error of the page it reopens is shown, not thrown.
    void refreshCatalogue();
    // Selects a catalogue node in the tree, as a click on it would.
    void selectNode(int cid);
    QModelIndex nodeIndex(int cid);
    // The CIDs of the navigation history, oldest first.
    std::vector<long long> historyIds();
    template <typename T>
    T *find(const char *name)
    {
        return window().findChild<T *>(QString::fromLatin1(name));
    }
    std::vector<QString> messageTexts() const { return messages.texts(); }

    TempDir temp;
    std::filesystem::path appDir;
    app::MessageRecorder messages;
    app::DesktopRecorder desktop;

private:
    std::unique_ptr<app::AppContext> m_context;
    std::unique_ptr<app::TMainForm> m_window;
};

} // namespace holvane::test
