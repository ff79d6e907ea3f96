#include "qt/byte_limit.h"

#include <QLineEdit>

namespace varnix {
namespace {

qsizetype byteCount(const QString& text)
{
    return text.toLocal8Bit().size();
}

}  // namespace

ByteLimitValidator::ByteLimitValidator(int limit, QLineEdit* box) : QValidator(box), m_limit(limit)
{
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_before = text; });
}

QValidator::State ByteLimitValidator::validate(QString& input, int& position) const
{
    const auto before = byteCount(m_before);
    auto bytes = byteCount(input);
    auto inserted = input.size() - m_before.size();
    while (bytes > m_limit && bytes > before && inserted > 0 && position > 0) {
        // Whole characters only: a surrogate pair goes as one.
        const int width = position >= 2 && input[position - 1].isLowSurrogate() ? 2 : 1;
        input.remove(position - width, width);
        position -= width;
        inserted -= width;
        bytes = byteCount(input);
    }
    return bytes <= m_limit || bytes <= before ? Acceptable : Invalid;
}

void setTextAsStored(QLineEdit* box, const QString& text)
{
    const QValidator* validator = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(validator);
}

}  // namespace varnix
