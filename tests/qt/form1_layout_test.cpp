#include "qt/file_list_box.h"
#include "support/qt_form_fixture.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

struct Expected {
    const char* name;
    const char* kind;
    QRect twips;
    QString text;
    QString family;  // empty: the window's default font
    double points;
};

// The window as laid out in twips; each must land at twips / 15 pixels.
const Expected kLayout[] = {
    {"Command1", "QPushButton", {6480, 5880, 1455, 375}, "PLAY", "Courier", 12},
    {"Dir1", "varnix::DirListBox", {6000, 1920, 2295, 3690}, "", "", 0},
    {"optMAME", "QRadioButton", {120, 4200, 255, 375}, "", "", 0},
    {"Text4", "QLineEdit", {2040, 4200, 3375, 420}, "", "MS Sans Serif", 12},
    {"optNeoRage", "QRadioButton", {120, 3600, 255, 375}, "", "", 0},
    {"Text3", "QLineEdit", {2040, 3600, 3375, 420}, "", "MS Sans Serif", 12},
    {"Text2", "QLineEdit", {2040, 3000, 3375, 420}, "", "MS Sans Serif", 12},
    {"optGenesis", "QRadioButton", {120, 3000, 255, 375}, "", "", 0},
    {"Text1", "QLineEdit", {2040, 2400, 3375, 420}, "", "MS Sans Serif", 12},
    {"optSnes", "QRadioButton", {120, 2160, 255, 735}, "", "", 0},
    {"fileRoms", "varnix::FileListBox", {6000, 1920, 2295, 3795}, "", "MS Sans Serif", 8.25},
    {"Image3", "varnix::ClickLabel", {360, 3600, 1515, 330}, "", "", 0},
    {"Image4", "varnix::ClickLabel", {240, 4200, 1500, 360}, "", "", 0},
    {"Image2", "varnix::ClickLabel", {360, 3000, 1500, 345}, "", "", 0},
    {"Image1", "varnix::ClickLabel", {360, 2400, 1500, 345}, "", "", 0},
    {"Label4", "varnix::ClickLabel", {120, 6240, 4575, 375}, "http://www.varnix.example", "MS Sans Serif", 12},
    {"Label3", "varnix::ClickLabel", {120, 6000, 3615, 255}, "Programmed By Dorvan", "MS Sans Serif", 9.75},
    {"Label2", "varnix::ClickLabel", {2040, 2160, 3375, 255}, "Command Line Parameters", "", 0},
    {"Label1", "varnix::ClickLabel", {6000, 1560, 2295, 375}, "ROMS / DIRS", "MS Sans Serif", 12},
};

QString textOf(const QWidget* widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    return {};
}

using Form1Layout = QtFormTest;

}  // namespace

TEST_F(Form1Layout, EveryControlHasItsKindPlaceTextAndFont)
{
    createForm();
    const QFont windowFont = view.font();
    for (const auto& expected : kLayout) {
        SCOPED_TRACE(expected.name);
        auto* widget = control<QWidget>(expected.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), expected.kind);
        const QRect pixels(expected.twips.x() / 15, expected.twips.y() / 15, expected.twips.width() / 15,
                           expected.twips.height() / 15);
        EXPECT_EQ(widget->geometry(), pixels);
        EXPECT_EQ(textOf(widget), expected.text);
        EXPECT_FALSE(widget->accessibleName().isEmpty());
        const QFont font = widget->font();
        if (expected.family.isEmpty()) {
            EXPECT_EQ(font.family(), windowFont.family());
            EXPECT_FALSE(font.bold());
        } else {
            EXPECT_EQ(font.family(), expected.family);
            EXPECT_DOUBLE_EQ(font.pointSizeF(), expected.points);
            EXPECT_TRUE(font.bold());
        }
    }
    EXPECT_EQ(view.centralWidget()->size(), QSize(578, 443));
    EXPECT_EQ(view.windowTitle(), "Varnix   v0.31");
    EXPECT_EQ(view.minimumSize(), view.maximumSize()) << "the window has a fixed size";
    EXPECT_EQ(control<QLabel>("Label1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(control<QLabel>("Label2")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(Form1Layout, ColoursLimitsPicturesAndPointer)
{
    createForm();
    for (const char* name : {"optSnes", "optGenesis", "optNeoRage", "optMAME", "Label3"}) {
        EXPECT_EQ(control<QWidget>(name)->palette().color(QPalette::Window), QColor(0, 0, 0)) << name;
        EXPECT_EQ(control<QWidget>(name)->palette().color(QPalette::WindowText), QColor(255, 255, 255)) << name;
    }
    EXPECT_EQ(control<QWidget>("Label4")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(control<QWidget>("Label1")->palette().color(QPalette::WindowText), QColor(255, 255, 192));
    EXPECT_EQ(control<QWidget>("fileRoms")->palette().color(QPalette::Base), QColor(192, 192, 255));
    EXPECT_EQ(control<QWidget>("Dir1")->palette().color(QPalette::Base), QColor(192, 192, 255));

    EXPECT_EQ(control<QLineEdit>("Text1")->maxLength(), 30);
    EXPECT_EQ(control<QLineEdit>("Text2")->maxLength(), 30);
    EXPECT_EQ(control<QLineEdit>("Text3")->maxLength(), 30);
    EXPECT_EQ(control<QLineEdit>("Text4")->maxLength(), 50);

    // Each picture control is exactly as large as its picture.
    for (const char* name : {"Image1", "Image2", "Image3", "Image4"}) {
        const auto* picture = control<QLabel>(name);
        EXPECT_EQ(picture->pixmap().size(), picture->size()) << name;
    }
    const QCursor hand = control<QWidget>("Label4")->cursor();
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(hand.hotSpot(), QPoint(13, 9));
    EXPECT_EQ(control<QWidget>("Label3")->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(view.windowIcon().isNull());
}

TEST_F(Form1Layout, FocusFollowsTheTabOrderAndControlsStackAbovePictures)
{
    createForm();
    const QStringList expected{"fileRoms", "optSnes", "Text1", "optGenesis", "Text2",   "Text3",
                               "optNeoRage", "Text4", "optMAME", "Dir1", "Command1"};
    QStringList order;
    QWidget* widget = control<QWidget>("fileRoms");
    do {
        if (widget->focusPolicy() != Qt::NoFocus)  // of the option buttons, Tab stops at one
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != control<QWidget>("fileRoms") && order.size() < 20);
    EXPECT_EQ(order, expected);

    // optMAME covers the left edge of Image4, not the other way round.
    const auto siblings = view.centralWidget()->children();
    EXPECT_GT(siblings.indexOf(control<QWidget>("optMAME")), siblings.indexOf(control<QWidget>("Image4")));
    EXPECT_GT(siblings.indexOf(control<QWidget>("Text1")), siblings.indexOf(control<QWidget>("Label2")));
}

TEST_F(Form1Layout, MenusCarryTheirAccessKeysAndSetupEntriesStartChecked)
{
    createForm();
    const QStringList menus{"&File", "Se&tup"};
    QStringList titles;
    for (QAction* action : view.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, menus);

    const struct {
        const char* name;
        const char* caption;
        bool checkable;
    } entries[] = {
        {"mnuConfig", "S&ave Config", false}, {"mnuExit", "E&xit", false},
        {"mnuSnes", "&Snes", true},           {"mnuGenesis", "&Genesis", true},
        {"mnuNeoRage", "&NeoRage", true},     {"mnuMAME", "&MAME", true},
    };
    for (const auto& expected : entries) {
        QAction* action = control<QAction>(expected.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), expected.caption);
        EXPECT_EQ(action->isChecked(), expected.checkable) << expected.name;
        EXPECT_TRUE(action->shortcut().isEmpty());
        EXPECT_TRUE(action->isEnabled());
    }
    EXPECT_EQ(control<QMenu>("mnuSetup")->actions().size(), 4);
}

TEST_F(Form1Layout, AtCreationTheFileListShowsOnlyFucFilesOfTheStartDirectory)
{
    dir.write("start/game.fuc", "");
    dir.write("start/GAME2.FUC", "");
    dir.write("start/readme.txt", "");
    dir.write("start/.hidden.fuc", "");
    createForm();
    auto* files = control<varnix::FileListBox>("fileRoms");
    EXPECT_TRUE(files->isVisibleTo(&view));
    EXPECT_FALSE(control<QWidget>("Dir1")->isVisibleTo(&view));
    ASSERT_EQ(files->model()->rowCount(), 2);
    EXPECT_EQ(files->model()->index(0, 0).data().toString(), "game.fuc");
    EXPECT_EQ(files->model()->index(1, 0).data().toString(), "GAME2.FUC");
    for (const char* name : {"optSnes", "optGenesis", "optNeoRage", "optMAME"}) {
        EXPECT_TRUE(control<QRadioButton>(name)->isEnabled()) << name;
        EXPECT_FALSE(control<QRadioButton>(name)->isChecked()) << name;
    }
}
