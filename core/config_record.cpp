#include "core/config_record.h"

#include "core/fixed_field.h"

#include <algorithm>

namespace varnix {

static_assert(kFieldLayout.back().offset + kFieldLayout.back().width == kRecordSize);

ConfigRecord::ConfigRecord()
{
    m_bytes.fill(' ');
}

ConfigRecord ConfigRecord::fromBytes(std::string_view bytes)
{
    ConfigRecord record;
    const auto count = std::min(bytes.size(), kRecordSize);
    std::copy_n(bytes.begin(), count, record.m_bytes.begin());
    return record;
}

std::string ConfigRecord::get(Field field) const
{
    const auto& layout = layoutOf(field);
    return std::string(bytes().substr(layout.offset, layout.width));
}

void ConfigRecord::set(Field field, std::string_view text)
{
    const auto& layout = layoutOf(field);
    const auto fitted = fitToWidth(text, layout.width);
    std::copy(fitted.begin(), fitted.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(layout.offset));
}

bool ConfigRecord::isSet(Field field) const
{
    const auto& layout = layoutOf(field);
    return !isBlankField(bytes().substr(layout.offset, layout.width));
}

std::string parameterFieldText(std::string_view boxText)
{
    return boxText == kNotSetupMarker ? std::string() : std::string(boxText);
}

}  // namespace varnix
