#include "support/temp_dir.h"
#include "ui/dir_list_box.h"
#include "ui/file_list_box.h"

#include <QTest>

#include <gtest/gtest.h>

#include <system_error>

using namespace varnix;

TEST(RomLists, AFileListThatCannotBePointedKeepsWhatItHad)
{
    TempDir dir;
    dir.write("roms/a.zip", "");
    FileListBox list;
    list.setPathAndPattern(dir.file("roms"), "*.zip");
    list.setCurrentIndex(list.model()->index(0, 0));
    EXPECT_EQ(list.fileName(), "a.zip");

    EXPECT_THROW(list.setPathAndPattern(dir.file("gone"), "*.smc"), std::system_error);
    EXPECT_THROW(list.setPathAndPattern("", "*.smc"), std::system_error) << "an empty text names no directory";
    EXPECT_EQ(list.path(), dir.file("roms"));
    EXPECT_EQ(list.pattern(), "*.zip");
    EXPECT_EQ(list.fileName(), "a.zip");
}

TEST(RomLists, EverySettingReadsTheDirectoryAfresh)
{
    TempDir dir;
    dir.write("roms/a.zip", "");
    FileListBox list;
    const auto roms = dir.file("roms") + "   ";  // padded, as read from the file
    list.setPathAndPattern(roms, "*.zip");
    // Added within the same second: a stamp of the directory may not see it.
    dir.write("roms/b.zip", "");
    list.setPathAndPattern(roms, "*.zip");
    EXPECT_EQ(list.count(), 2);

    DirListBox games;
    games.setPath(dir.file("roms"));
    const int rows = games.count();
    dir.write("roms/new/game.p1", "");
    games.setPath(dir.file("roms"));
    EXPECT_EQ(games.count(), rows + 1);
}

TEST(RomLists, TheDirectoryListShowsTheChainThenSubdirectoriesAndOpensOnDoubleClick)
{
    TempDir dir;
    dir.write("neo/kof98/k.p1", "");
    dir.write("neo/mslug/m.p1", "");
    dir.write("neo/readme.txt", "");
    DirListBox list;
    list.setPath(dir.file("neo"));

    const int rows = list.count();
    ASSERT_GE(rows, 3);
    EXPECT_EQ(list.entryPath(0), "/");
    EXPECT_EQ(list.entryPath(rows - 3), dir.file("neo"));
    EXPECT_EQ(list.entryPath(rows - 1), dir.file("neo/mslug"));
    const auto model = list.model();
    const auto indentOf = [&](int row) {
        const auto text = model->index(row, 0).data().toString();
        return text.size() - text.trimmed().size();
    };
    EXPECT_GT(indentOf(rows - 1), indentOf(rows - 3)) << "sub-directories are indented below their directory";
    EXPECT_GT(indentOf(rows - 3), indentOf(rows - 4)) << "each directory of the chain below its parent";

    list.resize(200, 300);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    const auto kof = model->index(rows - 2, 0);
    const QPoint where = list.visualRect(kof).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(list.path(), dir.file("neo")) << "a single click only highlights";
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(list.path(), dir.file("neo/kof98"));

    EXPECT_THROW(list.setPath(dir.file("none")), std::system_error);
    EXPECT_EQ(list.path(), dir.file("neo/kof98"));
}
