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
    list.setPathAndPattern(QString::fromStdString(dir.file("roms")), "*.zip");
    list.setCurrentIndex(list.model()->index(0, 0));
    EXPECT_EQ(list.fileName(), "a.zip");

    EXPECT_THROW(list.setPathAndPattern(QString::fromStdString(dir.file("gone")), "*.smc"), std::system_error);
    EXPECT_THROW(list.setPathAndPattern("", "*.smc"), std::system_error) << "an empty text names no directory";
    EXPECT_EQ(list.path(), QString::fromStdString(dir.file("roms")));
    EXPECT_EQ(list.pattern(), "*.zip");
    EXPECT_EQ(list.fileName(), "a.zip");
}

TEST(RomLists, PointingAgainShowsFilesAddedSinceAndKeepsAnUnchangedList)
{
    TempDir dir;
    dir.write("roms/a.zip", "");
    FileListBox list;
    const auto roms = QString::fromStdString(dir.file("roms")) + "   ";  // padded, as read from the file
    list.setPathAndPattern(roms, "*.zip");
    list.setCurrentIndex(list.model()->index(0, 0));
    list.setPathAndPattern(roms, "*.zip");
    EXPECT_EQ(list.fileName(), "a.zip") << "nothing changed, so nothing was reset";

    dir.write("roms/b.zip", "");
    list.setPathAndPattern(roms, "*.zip");
    EXPECT_EQ(list.count(), 2);
    list.setPathAndPattern(roms, "b*");
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.fileName(), "") << "a new list has no selection";
}

TEST(RomLists, TheDirectoryListShowsTheChainThenSubdirectoriesAndOpensOnDoubleClick)
{
    TempDir dir;
    dir.write("neo/kof98/k.p1", "");
    dir.write("neo/mslug/m.p1", "");
    dir.write("neo/readme.txt", "");
    DirListBox list;
    list.setPath(QString::fromStdString(dir.file("neo")));

    const int rows = list.count();
    ASSERT_GE(rows, 3);
    EXPECT_EQ(list.entryPath(0), "/");
    EXPECT_EQ(list.entryPath(rows - 3), QString::fromStdString(dir.file("neo")));
    EXPECT_EQ(list.entryPath(rows - 1), QString::fromStdString(dir.file("neo/mslug")));
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
    EXPECT_EQ(list.path(), QString::fromStdString(dir.file("neo"))) << "a single click only highlights";
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(list.path(), QString::fromStdString(dir.file("neo/kof98")));

    EXPECT_THROW(list.setPath(QString::fromStdString(dir.file("none"))), std::system_error);
    EXPECT_EQ(list.path(), QString::fromStdString(dir.file("neo/kof98")));
}
