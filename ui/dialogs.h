#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace varnix {

// Everything the window shows the user modally. The window works through
// this interface so that tests can answer with a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box with the text, an OK button only, no icon, titled "Varnix".
    virtual void messageBox(const QString& text) = 0;
    // A modal one-line input box; the edited text on OK, the empty text on
    // Cancel.
    virtual QString inputBox(const QString& prompt, const QString& caption, const QString& defaultText) = 0;
    // A modal file-open dialog offering `filters` ("description (patterns)"),
    // the 1-based `filterIndex` preselected, starting at `startPath`. The
    // chosen file's full path, or nothing on Cancel.
    virtual std::optional<QString> openFile(const QStringList& filters, int filterIndex, const QString& startPath) = 0;
};

// The real dialogs, shown over `parent`.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void messageBox(const QString& text) override;
    QString inputBox(const QString& prompt, const QString& caption, const QString& defaultText) override;
    std::optional<QString> openFile(const QStringList& filters, int filterIndex, const QString& startPath) override;

private:
    QWidget* m_parent;
};

inline const QString kProgramTitle = QStringLiteral("Varnix");

}  // namespace varnix
