#include "ui/form1.h"

#include "config/config_file.h"
#include "config/fixed_field.h"
#include "launch/command_line.h"
#include "launch/launch_rules.h"
#include "launch/platform.h"
#include "ui/byte_limit.h"
#include "ui/click_label.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/dir_list_box.h"
#include "ui/emulator_table.h"
#include "ui/file_list_box.h"
#include "ui/form1_layout.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <exception>

namespace varnix {
namespace {

const QString kMissingConfigMessage = QStringLiteral("Configuration File Not Found - Starting new......");
const QString kIncorrectDirectoryMessage = QStringLiteral("Incorrect directory please run setup!");
const QString kNoFileSelectedMessage = QStringLiteral("No file selected!");
const QString kAllFilesFilter = QStringLiteral("All files (*.*)|*.*|");

QString fromBytes(const std::string& bytes)
{
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

// The handlers of each emulator row, in the emulator table's order.
struct RowHandlers {
    void (Form1::*select)();
    void (Form1::*picture)();
    void (Form1::*setup)();
};
const std::array<RowHandlers, 4> kRowHandlers{{
    {&Form1::optSnes_Click, &Form1::Image1_Click, &Form1::mnuSnes_Click},
    {&Form1::optGenesis_Click, &Form1::Image2_Click, &Form1::mnuGenesis_Click},
    {&Form1::optNeoRage_Click, &Form1::Image3_Click, &Form1::mnuNeoRage_Click},
    {&Form1::optMAME_Click, &Form1::Image4_Click, &Form1::mnuMAME_Click},
}};

}  // namespace

Form1::Form1(Dialogs& dialogs, Platform& platform, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_dialogs(dialogs),
      m_platform(platform),
      m_desktop(desktop),
      m_options(new QButtonGroup(this))
{
    installFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kWindowCaption);
    setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.png")));
    QFont defaultFont(QStringLiteral("MS Sans Serif"));
    defaultFont.setPointSizeF(8);
    setFont(defaultFont);

    QWidget* client = createClientArea(this);
    setCentralWidget(client);
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    fileRoms = client->findChild<FileListBox*>(QStringLiteral("fileRoms"));
    Dir1 = client->findChild<DirListBox*>(QStringLiteral("Dir1"));
    for (std::size_t i = 0; i < kEmulators.size(); ++i) {
        const auto& row = kEmulators[i];
        auto& emulator = m_emulators[i];
        emulator.row = &row;
        emulator.option = client->findChild<QRadioButton*>(QLatin1String(row.optionButton));
        emulator.picture = client->findChild<ClickLabel*>(QLatin1String(row.picture));
        emulator.box = client->findChild<QLineEdit*>(QLatin1String(row.parameterBox));
        emulator.setupEntry = findChild<QAction*>(QLatin1String(row.setupEntry));
        m_options->addButton(emulator.option);
    }
    connectHandlers();

    // Until an emulator is chosen the file list shows the start directory's
    // "*.fuc" files, normally none. The hidden directory list reads it only
    // if it is ever shown first.
    try {
        m_startDirectory = m_platform.currentDirectory();
        Dir1->setPathWhenShown(m_startDirectory);
        fileRoms->setPathAndPattern(m_startDirectory, "*.fuc");
    } catch (const std::exception&) {
        // An unreadable start directory only leaves the lists empty.
    }
    fileRoms->setFocus();
}

void Form1::connectHandlers()
{
    for (std::size_t i = 0; i < m_emulators.size(); ++i) {
        const auto handlers = kRowHandlers[i];
        // A selection from code runs the handler at once, as a click does;
        // selecting the selected button changes nothing and runs nothing.
        connect(m_emulators[i].option, &QRadioButton::toggled, this, [this, handlers](bool selected) {
            if (selected)
                (this->*handlers.select)();
        });
        connect(m_emulators[i].picture, &ClickLabel::clicked, this, handlers.picture);
        connect(m_emulators[i].setupEntry, &QAction::triggered, this, handlers.setup);
    }
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(findChild<ClickLabel*>(QStringLiteral("Label4")), &ClickLabel::clicked, this, &Form1::Label4_Click);
}

void Form1::optSnes_Click() { selectEmulator(m_emulators[kSnes]); }
void Form1::optGenesis_Click() { selectEmulator(m_emulators[kGenesis]); }
void Form1::optNeoRage_Click() { selectEmulator(m_emulators[kNeoRage]); }
void Form1::optMAME_Click() { selectEmulator(m_emulators[kMame]); }
void Form1::Image1_Click() { clickPicture(m_emulators[kSnes]); }
void Form1::Image2_Click() { clickPicture(m_emulators[kGenesis]); }
void Form1::Image3_Click() { clickPicture(m_emulators[kNeoRage]); }
void Form1::Image4_Click() { clickPicture(m_emulators[kMame]); }
void Form1::mnuSnes_Click() { setUpEmulator(m_emulators[kSnes]); }
void Form1::mnuGenesis_Click() { setUpEmulator(m_emulators[kGenesis]); }
void Form1::mnuNeoRage_Click() { setUpEmulator(m_emulators[kNeoRage]); }
void Form1::mnuMAME_Click() { setUpEmulator(m_emulators[kMame]); }

Form1::~Form1() = default;

void Form1::createMenus()
{
    const auto addEntry = [](QMenu* menu, const char* name, const char* caption) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QLatin1String(name));
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addEntry(file, "mnuConfig", "S&ave Config"), &QAction::triggered, this, &Form1::mnuConfig_Click);
    connect(addEntry(file, "mnuExit", "E&xit"), &QAction::triggered, this, &Form1::mnuExit_Click);

    QMenu* setup = menuBar()->addMenu(QStringLiteral("Se&tup"));
    setup->setObjectName(QStringLiteral("mnuSetup"));
    for (const auto& row : kEmulators) {
        QAction* entry = addEntry(setup, row.setupEntry, row.setupCaption);
        entry->setCheckable(true);
        entry->setChecked(true);
    }
}

std::string Form1::configFilePath() const
{
    // The name is taken relative to whatever directory is current.
    return pathInDirectory(m_platform.currentDirectory(), std::string(kConfigFileName));
}

void Form1::showCentred()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void Form1::Form_Load()
{
    std::optional<ConfigRecord> record;
    try {
        record = readConfigFile(configFilePath());
    } catch (const std::exception&) {
        record.reset();  // any failure reads as a missing file
    }
    if (!record) {
        m_dialogs.messageBox(kMissingConfigMessage);
        for (auto& emulator : m_emulators)
            showNotSetup(emulator);
        return;
    }

    m_record = *record;
    m_paths = WorkingPaths::fromRecord(m_record);
    for (auto& emulator : m_emulators) {
        if (!m_record.isSet(emulator.row->exeField)) {
            showNotSetup(emulator);
            continue;
        }
        const auto& params = emulator.row->paramsField;
        // A stored parameter text keeps its trailing blanks.
        showSetUp(emulator, m_record.isSet(params) ? m_record.get(params) : std::string());
    }
}

void Form1::mnuConfig_Click()
{
    // Nothing in memory changes until the file is safely written, so a failed
    // save loses no setting.
    try {
        m_platform.changeDirectory(m_platform.programDirectory());
        ConfigRecord record;
        for (const auto& emulator : m_emulators)
            record.set(emulator.row->paramsField, parameterFieldText(boxBytes(emulator)));
        m_paths.copyInto(record);
        saveConfigFile(configFilePath(), record);
        m_record = record;
    } catch (const std::exception& failure) {
        m_dialogs.messageBox(QStringLiteral("The configuration could not be saved: ") +
                             QString::fromLocal8Bit(failure.what()));
    }
}

void Form1::mnuExit_Click()
{
    // Ends at once: nothing is saved and nothing is asked.
    close();
    QCoreApplication::quit();
}

void Form1::selectEmulator(EmulatorControls& emulator)
{
    const auto& row = *emulator.row;
    try {
        if (row.romList == RomList::Directories) {
            showRomList(RomList::Directories);
            Dir1->setPath(romDirectoryOf(row));
        } else {
            fileRoms->setPathAndPattern(romDirectoryOf(row), row.filePattern);
            showRomList(RomList::Files);
        }
        emulator.box->setEnabled(true);
    } catch (const std::exception&) {
        showRomList(row.romList);
        m_dialogs.messageBox(kIncorrectDirectoryMessage);
        if (row.forgetsExeOnBadRomDir)
            forgetExecutable(row);
        showNotSetup(emulator);
    }
}

void Form1::clickPicture(EmulatorControls& emulator)
{
    if (!emulator.option->isEnabled())
        return;
    emulator.option->setChecked(true);  // runs the selection, unless already selected
    emulator.box->setEnabled(true);
}

void Form1::setUpEmulator(EmulatorControls& emulator)
{
    const auto& row = *emulator.row;
    CommonDialog& dialog = dialogFor(row);
    try {
        dialog.Filter = kAllFilesFilter + QLatin1String(row.filterPair);
        dialog.FilterIndex = 2;
        dialog.showOpen(m_dialogs);
        // After Cancel this is the path the dialog returned last, if any.
        const auto executable = QDir::toNativeSeparators(dialog.FileName);
        m_paths.*row.exeCopy = toBytes(executable);

        const auto romDir =
            m_dialogs.inputBox(QLatin1String(row.romDirPrompt), QLatin1String(row.romDirCaption), executable);
        m_paths.*row.romDirCopy = toBytes(romDir);  // exactly as typed

        emulator.box->setEnabled(true);
        showBoxBytes(emulator, {});
        emulator.setupEntry->setChecked(true);
        // Selecting the button runs the emulator's selection at once, with
        // the new ROM directory already in place.
        if (row.selectsBeforeEnabling) {
            emulator.option->setChecked(true);
            emulator.option->setEnabled(true);
        } else {
            emulator.option->setEnabled(true);
            emulator.option->setChecked(true);
        }

        if (row.romList == RomList::Directories) {
            Dir1->setPath(romDirectoryOf(row));  // which list shows is the selection's affair
        } else {
            fileRoms->setPathAndPattern(romDirectoryOf(row), row.filePattern);
            showRomList(RomList::Files);
        }
    } catch (const std::exception&) {
        // The option button keeps its selection on this path.
        forgetExecutable(row);
        markNotSetup(emulator);
    }
}

void Form1::Command1_Click()
{
    // At most one button is selected; with none, PLAY does nothing at all.
    for (const auto index : kLaunchOrder) {
        if (m_emulators[index].option->isChecked() && !launchEmulator(m_emulators[index]))
            return;
    }
}

bool Form1::launchEmulator(EmulatorControls& emulator)
{
    const auto& row = *emulator.row;
    const auto& recipe = row.launch;
    const auto selected = recipe.romPiece == RomPiece::GameDirectory ? Dir1->path() : fileRoms->fileName();
    if (recipe.needsSelection && selected.empty()) {
        m_dialogs.messageBox(kNoFileSelectedMessage);
        return false;  // ends PLAY
    }
    auto& executable = m_paths.*row.exeCopy;
    if (withoutTrailingBlanks(executable).empty()) {
        // Without a program the line would start whatever its first
        // parameter or ROM name names.
        m_dialogs.messageBox(QLatin1String(row.name) + QStringLiteral(" is not set up. Please run Setup."));
        return true;
    }
    if (recipe.trimsExecutable)
        executable = withoutTrailingBlanks(executable);

    try {
        romDirectoryStep(m_paths.*row.romDirCopy);
        m_platform.changeDirectory(romDirectoryOf(row));  // and there it stays
        const auto rom = romPiece(row, selected);
        const auto parameters = boxBytes(emulator);
        m_platform.startCommandLine(recipe.romFirst ? composeCommandLine(executable, rom, parameters)
                                                    : composeCommandLine(executable, parameters, rom));
    } catch (const std::exception& failure) {
        m_dialogs.messageBox(QLatin1String(row.name) + QStringLiteral(" could not be started: ") +
                             QString::fromLocal8Bit(failure.what()));
    }
    return true;
}

std::string Form1::romPiece(const EmulatorRow& row, const std::string& selected) const
{
    switch (row.launch.romPiece) {
    case RomPiece::ShortName:
        // Resolved against the ROM directory, which is now current.
        return m_platform.shortPath(selected);
    // A name with blanks or quotes stays one argument.
    case RomPiece::GameName:
        return quotedWhereNeeded(gameNameFromZip(selected));
    case RomPiece::GameDirectory:
        return quotedWhereNeeded(gameDirectoryName(selected));
    }
    return {};
}

void Form1::Label4_Click()
{
    const auto address = kHomePageAddress + QLatin1Char('/');
    if (!m_desktop.openAddress(address))
        m_dialogs.messageBox(QStringLiteral("The home page could not be opened: ") + address);
}

CommonDialog& Form1::dialogFor(const EmulatorRow& row)
{
    return row.dialog == SetupDialog::First ? CommonDialog1 : CommonDialog2;
}

void Form1::forgetExecutable(const EmulatorRow& row)
{
    // Blanks of the field's width read back as "not set".
    m_paths.*row.exeCopy = std::string(widthOf(row.exeField), ' ');
}

void Form1::showRomList(RomList list)
{
    // Exactly one of the two lists shows, at the same place.
    fileRoms->setVisible(list == RomList::Files);
    Dir1->setVisible(list == RomList::Directories);
}

std::string Form1::romDirectoryOf(const EmulatorRow& row) const
{
    // A relative directory means the same one whatever a PLAY or a save made
    // current since the start.
    return resolvePath(m_startDirectory, withoutTrailingBlanks(m_paths.*row.romDirCopy));
}

void Form1::showBoxBytes(EmulatorControls& emulator, const std::string& bytes)
{
    emulator.shownBytes = bytes;
    setTextAsStored(emulator.box, fromBytes(bytes));
}

std::string Form1::boxBytes(const EmulatorControls& emulator) const
{
    // A box the user left as it was gives back the bytes it was given: a
    // name not in the system's encoding does not survive the display text.
    const auto text = emulator.box->text();
    return text == fromBytes(emulator.shownBytes) ? emulator.shownBytes : toBytes(text);
}

void Form1::showSetUp(EmulatorControls& emulator, const std::string& parameters)
{
    emulator.option->setEnabled(true);
    emulator.box->setEnabled(true);
    showBoxBytes(emulator, parameters);
    emulator.box->setCursorPosition(0);  // show the start, not the padding
    emulator.setupEntry->setChecked(true);
}

void Form1::showNotSetup(EmulatorControls& emulator)
{
    unselect(emulator.option);
    markNotSetup(emulator);
}

void Form1::markNotSetup(EmulatorControls& emulator)
{
    emulator.option->setEnabled(false);
    showBoxBytes(emulator, std::string(kNotSetupMarker));
    emulator.box->setEnabled(false);
    emulator.setupEntry->setChecked(false);
}

void Form1::unselect(QRadioButton* option)
{
    // An exclusive group refuses to clear its checked button.
    m_options->setExclusive(false);
    option->setChecked(false);
    m_options->setExclusive(true);
}

}  // namespace varnix
