// A stand-in emulator for the demo workspace and the end-to-end tests. It
// shows the arguments and the working directory it was started with; when
// VARNIX_DEMO_LOG names a file it appends them to it as one JSON line
// instead, and ends at once.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

// A JSON string of `bytes`; bytes above 127 pass as they are.
std::string jsonString(const std::string& bytes)
{
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string currentDirectory()
{
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

int logAndExit(const char* logPath, int argc, char* argv[])
{
    std::string line = "{\"argv\": [";
    for (int i = 0; i < argc; ++i)
        line += (i ? ", " : "") + jsonString(argv[i]);
    line += "], \"cwd\": " + jsonString(currentDirectory()) + "}\n";
    // Appended in one write of the whole line, so the lines of emulators
    // started together never interleave.
    std::FILE* log = std::fopen(logPath, "ab");
    if (!log)
        return 1;
    std::setvbuf(log, nullptr, _IOFBF, line.size());
    const bool written = std::fwrite(line.data(), 1, line.size(), log) == line.size();
    return std::fclose(log) == 0 && written ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    const char* logPath = std::getenv("VARNIX_DEMO_LOG");
    if (logPath && *logPath)
        return logAndExit(logPath, argc, argv);

    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Varnix demo emulator"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Started with these arguments:"), &window));
    auto* arguments = new QPlainTextEdit(&window);
    arguments->setObjectName(QStringLiteral("arguments"));
    arguments->setReadOnly(true);
    for (int i = 0; i < argc; ++i)
        arguments->appendPlainText(QStringLiteral("argv[%1]  %2").arg(i).arg(QString::fromLocal8Bit(argv[i])));
    layout->addWidget(arguments);
    layout->addWidget(new QLabel(QStringLiteral("In the directory:"), &window));
    auto* directory = new QLabel(QDir::toNativeSeparators(QDir::currentPath()), &window);
    directory->setObjectName(QStringLiteral("directory"));
    directory->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(directory);
    auto* close = new QPushButton(QStringLiteral("Close"), &window);
    QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);
    layout->addWidget(close);
    window.resize(480, 260);
    window.show();
    return application.exec();
}
