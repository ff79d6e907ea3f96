#include "qt/qt_view.h"

#include "core/emulator_table.h"
#include "core/form1.h"
#include "core/form1_layout.h"
#include "core/name_matching.h"
#include "core/reading_notice.h"
#include "qt/byte_limit.h"
#include "qt/click_label.h"
#include "qt/controls.h"
#include "qt/file_list_box.h"
#include "qt/qt_dialogs.h"
#include "qt/reading_notice.h"
#include "qt/window_tasks.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

namespace varnix {
namespace {

// Runs `show`, a modal box or dialog, and gives the focus back to the
// control that had it: the window is active again and that control has it.
template <class Show>
auto keepingFocus(QWidget* window, Show show)
{
    const QPointer<QWidget> focus = window->focusWidget();
    struct GiveBack {
        QWidget* window;
        const QPointer<QWidget>& focus;
        ~GiveBack()
        {
            window->activateWindow();
            if (focus && focus->isEnabled() && focus->isVisible())
                focus->setFocus(Qt::OtherFocusReason);
        }
    } giveBack{window, focus};
    return show();
}

QString fromBytes(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtView::QtView(QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_options(new QButtonGroup(this)),
      m_tasks(new WindowTasks(this))
{
    installFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(latin1(kWindowCaption));
    setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.png")));
    QFont defaultFont(latin1(kDefaultFontFamily));
    defaultFont.setPointSizeF(kDefaultFontPoints);
    setFont(defaultFont);

    QWidget* client = createClientArea(this);
    setCentralWidget(client);
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    fileRoms = client->findChild<FileListBox*>(QStringLiteral("fileRoms"));
    Dir1 = client->findChild<DirListBox*>(QStringLiteral("Dir1"));
    m_readingNotice = new ReadingNotice(this, client);
    for (std::size_t i = 0; i < kEmulators.size(); ++i) {
        const auto& row = kEmulators[i];
        auto& emulator = m_emulators[i];
        emulator.option = client->findChild<QRadioButton*>(QLatin1String(row.optionButton));
        emulator.picture = client->findChild<ClickLabel*>(QLatin1String(row.picture));
        emulator.box = client->findChild<QLineEdit*>(QLatin1String(row.parameterBox));
        emulator.setupEntry = findChild<QAction*>(QLatin1String(row.setupEntry));
        m_options->addButton(emulator.option);
    }
    keepOneOptionTabStop();
    fileRoms->setFocus();
    m_poll.setInterval(kReadingNoticeRefreshMs);
    connect(&m_poll, &QTimer::timeout, m_tasks, &WindowTasks::runQueued);
}

QtView::~QtView() = default;

void QtView::createMenus()
{
    const auto addEntry = [](QMenu* menu, std::string_view name, std::string_view caption) {
        QAction* action = menu->addAction(latin1(caption));
        action->setObjectName(latin1(name));
        return action;
    };

    QMenu* file = menuBar()->addMenu(latin1(kFileMenu.caption));
    file->setObjectName(latin1(kFileMenu.name));
    m_saveEntry = addEntry(file, kFileMenuEntries[0].name, kFileMenuEntries[0].caption);
    m_exitEntry = addEntry(file, kFileMenuEntries[1].name, kFileMenuEntries[1].caption);

    QMenu* setup = menuBar()->addMenu(latin1(kSetupMenu.caption));
    setup->setObjectName(latin1(kSetupMenu.name));
    for (const auto& row : kEmulators) {
        QAction* entry = addEntry(setup, row.setupEntry, row.setupCaption);
        entry->setCheckable(true);
        entry->setChecked(true);
    }
}

void QtView::attach(Form1& form)
{
    for (std::size_t i = 0; i < m_emulators.size(); ++i) {
        const auto& emulator = m_emulators[i];
        // Only the user's clicks: a selection made by Form1 is not echoed.
        connect(emulator.option, &QRadioButton::clicked, this, [this, &form, i] {
            keepOneOptionTabStop();  // the click moved the check
            form.optionClicked(i);
        });
        connect(emulator.picture, &ClickLabel::clicked, this, [&form, i] { form.pictureClicked(i); });
        // A checkable entry toggles itself; Form1 sets its check mark.
        connect(emulator.setupEntry, &QAction::triggered, this, [this, &form, i] {
            m_emulators[i].setupEntry->setChecked(!m_emulators[i].setupEntry->isChecked());
            form.setupEntryClicked(i);
        });
    }
    connect(m_saveEntry, &QAction::triggered, this,
            [this, &form] { keepingFocus(this, [&form] { form.mnuConfig_Click(); }); });
    connect(m_exitEntry, &QAction::triggered, this, [&form] { form.mnuExit_Click(); });
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            [&form] { form.Command1_Click(); });
    connect(findChild<ClickLabel*>(QStringLiteral("Label4")), &ClickLabel::clicked, this,
            [&form] { form.Label4_Click(); });
    connect(Dir1, &DirListBox::rowOpened, this, [&form](std::size_t row) { form.Dir1_DblClick(row); });
    for (const auto list : {RomList::Files, RomList::Directories})
        connect(listOf(list), &RomListBox::typed, this,
                [&form, list](const QString& characters, std::optional<std::uint32_t> timeMs) {
                    form.listTyped(list, toBytes(characters), timeMs);
                });
}

void QtView::showCentred()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void QtView::setOptionEnabled(std::size_t emulator, bool enabled)
{
    m_emulators.at(emulator).option->setEnabled(enabled);
    keepOneOptionTabStop();
}

void QtView::setOptionSelected(std::size_t emulator, bool selected)
{
    // An exclusive group refuses to clear its checked button.
    m_options->setExclusive(selected);
    m_emulators.at(emulator).option->setChecked(selected);
    m_options->setExclusive(true);
    keepOneOptionTabStop();
}

void QtView::keepOneOptionTabStop()
{
    const auto stop = optionTabStop(
        m_emulators.size(), [&](std::size_t i) { return m_emulators[i].option->isEnabled(); },
        [&](std::size_t i) { return m_emulators[i].option->isChecked(); });
    for (std::size_t i = 0; i < m_emulators.size(); ++i)
        m_emulators[i].option->setFocusPolicy(stop == i ? Qt::StrongFocus : Qt::ClickFocus);
}

void QtView::setParameterText(std::size_t emulator, const std::string& text)
{
    auto& controls = m_emulators.at(emulator);
    controls.shownBytes = text;
    setTextAsStored(controls.box, fromBytes(text));
    controls.box->setCursorPosition(0);  // show the start, not the padding
}

std::string QtView::parameterText(std::size_t emulator) const
{
    // A box the user left as it was gives back the bytes it was given: a
    // name not in the system's encoding does not survive the display text.
    const auto& controls = m_emulators.at(emulator);
    const auto text = controls.box->text();
    return text == fromBytes(controls.shownBytes) ? controls.shownBytes : toBytes(text);
}

void QtView::setParameterEnabled(std::size_t emulator, bool enabled)
{
    m_emulators.at(emulator).box->setEnabled(enabled);
}

void QtView::setSetupChecked(std::size_t emulator, bool checked)
{
    m_emulators.at(emulator).setupEntry->setChecked(checked);
}

void QtView::showRomList(RomList list)
{
    fileRoms->setVisible(list == RomList::Files);
    Dir1->setVisible(list == RomList::Directories);
}

void QtView::showFiles(std::shared_ptr<const std::vector<std::string>> names)
{
    fileRoms->setNames(std::move(names));
}

RomListBox* QtView::listOf(RomList list) const
{
    return list == RomList::Files ? static_cast<RomListBox*>(fileRoms) : Dir1;
}

std::optional<std::size_t> QtView::selectedRow(RomList list) const
{
    return listOf(list)->selectedRow();
}

void QtView::selectRow(RomList list, std::size_t row)
{
    listOf(list)->selectRow(row);
}

void QtView::showDirectories(std::shared_ptr<const DirectoryRows> rows)
{
    Dir1->setRows(std::move(rows));
}

void QtView::showReading(RomList list, std::shared_ptr<const ReadProgress> progress)
{
    m_readingNotice->start(listOf(list), std::move(progress));
    m_poll.start();
}

void QtView::showReadEnded()
{
    m_poll.stop();
    m_readingNotice->stop();
}

std::shared_ptr<WindowQueue> QtView::queue() const
{
    return m_tasks->queue();
}

void QtView::messageBox(const std::string& text)
{
    keepingFocus(this, [&] { showMessageBox(this, fromBytes(text)); });
}

bool QtView::askYesNo(const std::string& question)
{
    return keepingFocus(this, [&] { return varnix::askYesNo(this, fromBytes(question)); });
}

std::string QtView::inputBox(const std::string& prompt, const std::string& caption, const std::string& defaultText,
                             const FolderStart& browseStart)
{
    const auto startOf = [&](const QString& text) {
        const auto start = browseStart(toBytes(text));
        return start ? fromBytes(*start) : QString();
    };
    return keepingFocus(this, [&] {
        return toBytes(showInputBox(this, fromBytes(prompt), fromBytes(caption), fromBytes(defaultText), startOf));
    });
}

std::optional<std::string> QtView::openFile(const std::vector<FileFilter>& filters, int filterIndex,
                                            const std::string& startPath)
{
    QStringList shown;
    for (const auto& filter : filters) {
        // "description (patterns)": Qt matches the patterns after the text.
        QStringList patterns;
        for (const auto& pattern : splitPatterns(filter.patterns))
            patterns << (pattern == "*.*" ? QStringLiteral("*") : fromBytes(pattern));
        shown << fromBytes(filter.description) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                     QLatin1Char(')');
    }
    const auto chosen = keepingFocus(this, [&] { return showOpenFileDialog(this, shown, filterIndex, fromBytes(startPath)); });
    return chosen ? std::optional<std::string>(toBytes(*chosen)) : std::nullopt;
}

bool QtView::openAddress(const std::string& address)
{
    return QDesktopServices::openUrl(QUrl(fromBytes(address)));
}

void QtView::endProgram()
{
    close();
    QCoreApplication::quit();
}

}  // namespace varnix
