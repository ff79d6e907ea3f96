#include "qt/qt_dialogs.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace varnix {

void showMessageBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnix"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnix"), question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString showInputBox(QWidget* parent, const QString& prompt, const QString& caption, const QString& defaultText,
                     const std::function<QString(const QString&)>& browseStart)
{
    QDialog box(parent);
    box.setWindowTitle(caption);
    auto* label = new QLabel(prompt, &box);
    auto* field = new QLineEdit(defaultText, &box);
    field->setObjectName(QStringLiteral("inputText"));
    field->selectAll();
    // Room for a folder's path beside the button, as wide as the box was.
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 40);
    label->setBuddy(field);
    // Made after the text box and before OK: Tab goes from one to the next.
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), &box);
    browse->setObjectName(QStringLiteral("inputBrowse"));
    browse->setAutoDefault(false);  // Enter in the text box is OK's
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    QObject::connect(browse, &QPushButton::clicked, &box, [&] {
        QFileDialog dialog(&box);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (const auto start = browseStart(field->text()); !start.isEmpty())
            dialog.setDirectory(start);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            field->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
        field->setFocus();
    });

    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(buttons);
    field->setFocus();
    return box.exec() == QDialog::Accepted ? field->text() : QString();
}

std::optional<QString> showOpenFileDialog(QWidget* parent, const QStringList& filters, int filterIndex,
                                          const QString& startPath)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Filters carry their matching patterns after the shown description.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(filterIndex - 1));
    if (!startPath.isEmpty())
        dialog.selectFile(startPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

}  // namespace varnix
