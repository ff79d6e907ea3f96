#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace varnix {

// The window's modal dialogs over Qt's.
void showMessageBox(QWidget* parent, const QString& text);
// Yes and No, No the default (and Escape); true for Yes.
bool askYesNo(QWidget* parent, const QString& question);
// The input box: its prompt, a text box with a "Browse..." button beside
// it, OK and Cancel. Browse opens the folder dialog at the folder
// `browseStart` gives for the box's text (the dialog's default for an empty
// one) and puts the chosen folder into the box.
QString showInputBox(QWidget* parent, const QString& prompt, const QString& caption, const QString& defaultText,
                     const std::function<QString(const QString&)>& browseStart);
std::optional<QString> showOpenFileDialog(QWidget* parent, const QStringList& filters, int filterIndex,
                                          const QString& startPath);

}  // namespace varnix
