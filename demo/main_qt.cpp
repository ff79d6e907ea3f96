// A stand-in emulator for the demo workspace and the end-to-end tests. It
// shows the arguments and the working directory it was started with; when
// VARNIX_DEMO_LOG names a file it appends them to it as one JSON line
// instead, and ends at once.
#include "demo/demo_log.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

int main(int argc, char* argv[])
{
    const char* logPath = std::getenv("VARNIX_DEMO_LOG");
    if (logPath && *logPath) {
        std::error_code error;
        const auto line = varnix::demo::logLine(std::vector<std::string>(argv, argv + argc),
                                                std::filesystem::current_path(error).string());
        return varnix::demo::appendLine(logPath, line) ? 0 : 1;
    }

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
