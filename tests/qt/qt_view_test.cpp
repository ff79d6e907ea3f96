#include "core/browse_start.h"
#include "core/config_record.h"
#include "core/fixed_field.h"
#include "qt/click_label.h"
#include "qt/file_list_box.h"
#include "qt/window_tasks.h"
#include "support/qt_form_fixture.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

#include <thread>

using namespace varnix;

namespace {

// Stands in for the desktop's browser: records the addresses it is handed.
class AddressCatcher final : public QObject {
    Q_OBJECT
public:
    QStringList addresses;
public slots:
    void open(const QUrl& url) { addresses << url.toString(); }
};

// Types `text` key by key, as a keyboard with these characters would.
void typeInto(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

// Closes the next modal box as soon as it shows, as a user would.
void answerNextBox()
{
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
}

// An image that keeps the texts drawn on it, in order, instead of pixels.
class DrawnTexts final : public QImage, QPaintEngine {
public:
    explicit DrawnTexts(QSize size) : QImage(size, Format_RGB32), QPaintEngine(AllFeatures) {}
    QStringList texts;

    QPaintEngine* paintEngine() const override { return const_cast<DrawnTexts*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return User; }
};

class QtViewTest : public QtFormTest {
protected:
    QtViewTest()
    {
        dir.write("r/snes/plain.smc", "");
        dir.write("r/neo/mslug/m.p1", "");
        ConfigRecord record;
        record.set(Field::SnesExe, "/emu/snes");
        record.set(Field::SnesRomDir, dir.file("r/snes"));
        record.set(Field::SnesParams, "-s \xe9t\xe9");  // Latin-1 on a UTF-8 system
        record.set(Field::NeoRageExe, "/emu/neo");
        record.set(Field::NeoRageRomDir, dir.file("r/neo"));
        dir.write("start/varnix.dat", std::string(record.bytes()));
        createForm();
        form->Form_Load();
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    void clickAt(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
};

}  // namespace

TEST_F(QtViewTest, EachControlReachesItsHandler)
{
    auto* files = control<FileListBox>("fileRoms");
    clickAt(control<QRadioButton>("optSnes"));
    ASSERT_EQ(files->model()->rowCount(), 1) << "the SNES ROMs are listed";
    files->setCurrentIndex(files->model()->index(0, 0));
    control<QPushButton>("Command1")->click();
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_EQ(system.starts[0].line, fitToWidth("/emu/snes", 50) + " " + fitToWidth("-s \xe9t\xe9", 30) + " plain.smc")
        << "the stored bytes, not their display form";

    clickAt(control<ClickLabel>("Image3"));
    EXPECT_TRUE(control<QRadioButton>("optNeoRage")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optSnes")->isChecked());
    auto* games = control<DirListBox>("Dir1");
    ASSERT_TRUE(games->isVisible());
    const auto mslug = games->model()->index(games->model()->rowCount() - 1, 0);
    EXPECT_EQ(mslug.data().toString(), "mslug");
    const QPoint where = games->visualRect(mslug).center();
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(form->directoryListPath(), dir.file("r/neo")) << "a single click only highlights";
    QTest::mouseDClick(games->viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(form->directoryListPath(), dir.file("r/neo/mslug"));

    control<QAction>("mnuConfig")->trigger();
    EXPECT_EQ(ConfigRecord::fromBytes(dir.read("program/varnix.dat")).get(Field::SnesParams),
              fitToWidth("-s \xe9t\xe9", 30));

    AddressCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    clickAt(control<ClickLabel>("Label4"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    EXPECT_EQ(browser.addresses, QStringList{"http://www.varnix.example/"});

    control<QAction>("mnuExit")->trigger();
    EXPECT_FALSE(view.isVisible());
}

TEST_F(QtViewTest, TheViewShowsWhatForm1SetsAndBoxesCountBytes)
{
    EXPECT_FALSE(control<QAction>("mnuMAME")->isChecked());
    EXPECT_EQ(control<QLineEdit>("Text4")->text(), "Not Setup");
    EXPECT_FALSE(control<QLineEdit>("Text4")->isEnabled());
    EXPECT_TRUE(control<QAction>("mnuSnes")->isChecked());

    auto* text4 = control<QLineEdit>("Text4");
    text4->setEnabled(true);
    text4->clear();
    typeInto(text4, QString(16, QChar(0xe9)));
    EXPECT_EQ(text4->text(), QString(16, QChar(0xe9)));
    text4->insert(QString(20, QChar(0xe9)));  // as a paste does
    EXPECT_EQ(text4->text(), QString(25, QChar(0xe9))) << "50 bytes";
    auto* text1 = control<QLineEdit>("Text1");
    text1->clear();
    typeInto(text1, QString(16, QChar(0xe9)));
    EXPECT_EQ(text1->text(), QString(15, QChar(0xe9))) << "the 16th would need bytes 31 and 32";
}

TEST_F(QtViewTest, TheOptionButtonsAreOneTabStopAndTheFocusComesBackAfterABox)
{
    const auto tabStops = [&] {  // of the option buttons
        QStringList stops;
        for (auto* option : view.findChildren<QRadioButton*>())
            if (option->isEnabled() && (option->focusPolicy() & Qt::TabFocus))
                stops << option->objectName();
        return stops;
    };
    std::filesystem::remove_all(dir.file("r/snes"));
    answerNextBox();
    clickAt(control<QRadioButton>("optSnes"));  // "Incorrect directory please run setup!"
    EXPECT_EQ(tabStops(), QStringList{"optNeoRage"});

    view.activateWindow();
    control<QLineEdit>("Text3")->setFocus();
    answerNextBox();
    view.messageBox("a message");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view)) << "the window is active again";
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>("Text3"));
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    EXPECT_FALSE(view.askYesNo("Save anyway?")) << "No is the default";
}

TEST_F(QtViewTest, ALongNameIsDrawnCutInTheMiddleAndShownWholeOnHover)
{
    const char* const names[] = {"Final Fantasy III (USA) (Rev 1).sfc", "Final Fantasy III (USA).sfc",
                                 "Legend of Zelda, The - A Link to the Past (USA).sfc"};
    for (const char* name : names)
        dir.write(std::string("r/snes/") + name, "");
    clickAt(control<QRadioButton>("optSnes"));
    auto* files = control<FileListBox>("fileRoms");
    ASSERT_EQ(files->model()->rowCount(), 4);

    DrawnTexts drawn(files->viewport()->size());
    QPainter painter(&drawn);
    for (int row = 0; row < 4; ++row) {  // each row as the list has its delegate draw it
        QStyleOptionViewItem option;
        option.initFrom(files);
        option.widget = files;
        option.rect = files->visualRect(files->model()->index(row, 0));
        files->itemDelegate()->paint(&painter, option, files->model()->index(row, 0));
    }
    painter.end();
    ASSERT_EQ(drawn.texts.size(), 4) << drawn.texts.join('|').toStdString();
    const QString ellipsis(QChar(0x2026));
    EXPECT_TRUE(drawn.texts[0].startsWith("Final F") && drawn.texts[0].endsWith("(Rev 1).sfc") &&
                drawn.texts[0].contains(ellipsis))
        << drawn.texts[0].toStdString();
    EXPECT_TRUE(drawn.texts[1].endsWith("(USA).sfc")) << drawn.texts[1].toStdString();
    EXPECT_NE(drawn.texts[0], drawn.texts[1]) << "two games read the same";
    EXPECT_TRUE(drawn.texts[2].startsWith("Legend") && drawn.texts[2].endsWith("(USA).sfc"));
    EXPECT_EQ(drawn.texts[3], "plain.smc") << "a name that fits is drawn whole";

    const auto hover = [&](int row) {
        const QPoint where = files->visualRect(files->model()->index(row, 0)).center();
        QHelpEvent help(QEvent::ToolTip, where, files->viewport()->mapToGlobal(where));
        QApplication::sendEvent(files->viewport(), &help);
    };
    hover(3);
    EXPECT_FALSE(QToolTip::isVisible()) << "no tooltip for a whole name";
    hover(0);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), names[0]);

    files->setCurrentIndex(files->model()->index(0, 0));
    control<QPushButton>("Command1")->click();
    ASSERT_EQ(system.starts.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(system.starts[0].line).endsWith(QString(" \"%1\"").arg(names[0])))
        << "PLAY starts the whole name: " << system.starts[0].line;
}

TEST_F(QtViewTest, TheRomDirectoryBoxBrowsesForAFolderFromWhatItsTextNames)
{
    dir.write("r/snes/sub/a.smc", "");
    const auto path = [&](const char* name) { return QString::fromStdString(dir.file(name)); };
    QStringList texts;
    // Browse, then OK (the folder the dialog starts in) or Cancel, and read
    // the box's text after.
    const auto browse = [&](QLineEdit* field, const QString& text, const char* answer) {
        field->setText(text);
        QTimer::singleShot(0, [&] { QMetaObject::invokeMethod(QApplication::activeModalWidget(), answer); });
        field->parentWidget()->findChild<QPushButton*>("inputBrowse")->click();
        texts << field->text();
    };
    QTimer::singleShot(0, [&] {
        auto* field = QApplication::activeModalWidget()->findChild<QLineEdit*>("inputText");
        auto* button = field->parentWidget()->findChild<QPushButton*>("inputBrowse");
        EXPECT_EQ(button->text(), "&Browse...");
        EXPECT_EQ(field->nextInFocusChain(), button) << "Tab goes from the text to Browse";
        browse(field, path("r/snes/sub/a.smc"), "reject");
        browse(field, path("r/snes/sub/a.smc"), "accept");
        browse(field, path("r/snes"), "accept");
        browse(field, path("r/gone/deeper"), "accept");
        QTest::keyClick(field, Qt::Key_Return);
    });
    const auto answer = view.inputBox("Please enter your SNES ROM directory", "Rom Directory", "", [&](auto& text) {
        return browseStartFolder(system, dir.path(), text);
    });
    EXPECT_EQ(texts, (QStringList{path("r/snes/sub/a.smc"), path("r/snes/sub"), path("r/snes"), path("r")}))
        << "Cancel keeps the text; a file's folder, the folder itself, the nearest above";
    EXPECT_EQ(answer, dir.file("r")) << "Enter takes the browsed folder";
}

#include "qt_view_test.moc"

TEST_F(QtViewTest, WhileAReadIsHeldTheWindowAnswersAndOnlyASlowReadSaysSoUnderTheBusyPointer)
{
    auto* files = control<FileListBox>("fileRoms");
    auto* notice = view.findChild<QLabel*>(QStringLiteral("readingNotice"));
    ASSERT_NE(notice, nullptr);
    system.holdReads = true;
    clickAt(control<QRadioButton>("optSnes"));
    ASSERT_EQ(system.heldReads.size(), 1u);
    system.endRead(0);  // a quick read: the list as ever, nothing said
    EXPECT_EQ(files->model()->rowCount(), 1);
    EXPECT_TRUE(files->updatesEnabled());
    EXPECT_TRUE(notice->isHidden());
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);

    clickAt(control<QRadioButton>("optNeoRage"));
    system.heldReads.at(0).progress->store(1234);
    EXPECT_FALSE(control<DirListBox>("Dir1")->updatesEnabled()) << "it keeps what it drew for a moment";
    // The window's thread is free: a click on another option, a menu, a repaint.
    clickAt(control<QRadioButton>("optSnes"));
    EXPECT_TRUE(control<QRadioButton>("optSnes")->isChecked());
    ASSERT_EQ(system.heldReads.size(), 2u);
    auto* fileMenu = view.findChild<QMenu*>(QStringLiteral("mnuFile"));
    fileMenu->popup(view.mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(fileMenu));
    fileMenu->close();
    view.update();
    system.heldReads.at(1).progress->store(42);
    QTRY_VERIFY(notice->isVisible());
    EXPECT_EQ(notice->text(), "Reading the folder...\n42 names so far") << "the latest read's count";
    EXPECT_EQ(notice->geometry(), files->geometry()) << "in the list's place";
    EXPECT_EQ(view.cursor().shape(), Qt::BusyCursor);
    system.heldReads.at(1).progress->store(43);
    QTRY_COMPARE(notice->text(), "Reading the folder...\n43 names so far");

    system.endRead(0);  // NeoRage's, superseded: shows nothing
    EXPECT_TRUE(notice->isVisible());
    system.endRead(0);
    EXPECT_TRUE(notice->isHidden());
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor) << "the pointer is the window's own again";
    EXPECT_EQ(files->model()->rowCount(), 1);
    EXPECT_TRUE(files->isVisible());
}

TEST(QtWindowTasks, ATaskPostedOnAWorkerRunsOnTheWindowsThreadAndTheOnesLeftAtTheEndAreFreed)
{
    const auto held = std::make_shared<int>(0);
    std::shared_ptr<varnix::WindowQueue> queue;
    {
        varnix::WindowTasks tasks;
        queue = tasks.queue();
        std::thread::id ranOn;
        std::thread([&] { queue->post([&] { ranOn = std::this_thread::get_id(); }); }).join();
        QTRY_VERIFY(ranOn == std::this_thread::get_id());  // woken through the pipe
        ASSERT_TRUE(queue->post([held] {}));
        EXPECT_EQ(held.use_count(), 2);
    }
    EXPECT_EQ(held.use_count(), 1) << "freed, unrun, as the window went";
    EXPECT_FALSE(queue->post([held] {}));
    EXPECT_EQ(held.use_count(), 1);
}

TEST_F(QtViewTest, LettersTypedInARowFindARowUntilAPauseAndOtherKeysStayTheLists)
{
    for (int i = 0; i < 60; ++i)
        dir.write("r/snes/a" + std::to_string(100 + i) + ".smc", "");
    for (const char* name : {"sf2.smc", "sf2ce.smc", "zelda.smc"})
        dir.write(std::string("r/snes/") + name, "");
    clickAt(control<QRadioButton>("optSnes"));
    auto* files = control<FileListBox>("fileRoms");
    const auto press = [](QWidget* list, const QString& text, ulong timeMs, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent key(QEvent::KeyPress, 0, modifiers, text);
        key.setTimestamp(timeMs);
        QApplication::sendEvent(list, &key);
    };
    const auto selected = [](RomListBox* list) {
        const auto row = list->selectedRow();
        return row ? list->model()->index(static_cast<int>(*row), 0).data().toString() : QString();
    };
    for (const char c : std::string("SF2c"))
        press(files, QString(QChar(c)), 1000);
    EXPECT_EQ(selected(files), "sf2ce.smc");
    EXPECT_TRUE(files->viewport()->rect().contains(files->visualRect(files->currentIndex()))) << "scrolled into view";
    press(files, "z", 1999);
    EXPECT_EQ(selected(files), "sf2ce.smc") << "\"sf2cz\" finds nothing";
    press(files, "z", 2999);
    EXPECT_EQ(selected(files), "zelda.smc") << "after a pause, a new search";

    press(files, "a", 9000, Qt::AltModifier);
    EXPECT_EQ(selected(files), "zelda.smc") << "a shortcut is not typed";
    QTest::keyClick(files, Qt::Key_Home);
    EXPECT_EQ(selected(files), "a100.smc") << "the list's own keys";

    // The directory list's rows are its directories' names, not their indent.
    clickAt(control<ClickLabel>("Image3"));
    auto* games = control<DirListBox>("Dir1");
    const auto last = games->model()->index(games->model()->rowCount() - 1, 0);
    EXPECT_EQ(last.data(Qt::AccessibleTextRole).toString(), "mslug");
    press(games, "ms", 9100);
    EXPECT_EQ(selected(games), "mslug");
}
