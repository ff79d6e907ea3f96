#pragma once

#include <QValidator>

class QLineEdit;

namespace varnix {

// Stops typing and pasting into a box once its text would take more bytes
// of the system's 8-bit encoding than the field it is saved in: what would
// overflow is cut from the end of the insertion. An edit that makes the text
// no longer is never refused.
class ByteLimitValidator final : public QValidator {
public:
    ByteLimitValidator(int limit, QLineEdit* box);
    State validate(QString& input, int& position) const override;

private:
    int m_limit;
    QString m_before;  // the box's text before the edit being checked
};

// Sets a box's text from code as it stands, even where its display form is
// longer in bytes than the box takes (a stored name that is not in the
// system's encoding).
void setTextAsStored(QLineEdit* box, const QString& text);

}  // namespace varnix
