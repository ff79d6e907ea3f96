#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace varnix {

// The twelve fields of the record, in their order in the file (which is not
// grouped by emulator).
enum class Field {
    GenesisExe,
    SnesExe,
    GenesisRomDir,
    SnesRomDir,
    GenesisParams,
    SnesParams,
    NeoRageParams,
    NeoRageExe,
    NeoRageRomDir,
    MameExe,
    MameRomDir,
    MameParams,
};

struct FieldLayout {
    Field field;
    std::size_t offset;
    std::size_t width;
};

inline constexpr std::size_t kRecordSize = 540;
inline constexpr std::string_view kConfigFileName = "varnix.dat";
// What a parameter box shows for an emulator that is not set up; a display
// marker, never a parameter.
inline constexpr std::string_view kNotSetupMarker = "Not Setup";

inline constexpr std::array<FieldLayout, 12> kFieldLayout{{
    {Field::GenesisExe, 0, 50},
    {Field::SnesExe, 50, 50},
    {Field::GenesisRomDir, 100, 50},
    {Field::SnesRomDir, 150, 50},
    {Field::GenesisParams, 200, 30},
    {Field::SnesParams, 230, 30},
    {Field::NeoRageParams, 260, 30},
    {Field::NeoRageExe, 290, 50},
    {Field::NeoRageRomDir, 340, 50},
    {Field::MameExe, 390, 50},
    {Field::MameRomDir, 440, 50},
    {Field::MameParams, 490, 50},
}};

constexpr const FieldLayout& layoutOf(Field field)
{
    return kFieldLayout[static_cast<std::size_t>(field)];
}

constexpr std::size_t widthOf(Field field)
{
    return layoutOf(field).width;
}

// The 540-byte image of the configuration file: twelve blank-padded fields.
class ConfigRecord {
public:
    ConfigRecord();  // all blanks

    // The first 540 bytes of `bytes`; a shorter text reads as blank-padded.
    static ConfigRecord fromBytes(std::string_view bytes);

    std::string get(Field field) const;      // all of its bytes, blanks included
    void set(Field field, std::string_view text);  // padded or cut to the width
    bool isSet(Field field) const;

    std::string_view bytes() const { return {m_bytes.data(), m_bytes.size()}; }

private:
    std::array<char, kRecordSize> m_bytes;
};

// What a parameter box's text becomes in its field: the empty text and the
// "Not Setup" marker (exactly, case-sensitive) store as blanks.
std::string parameterFieldText(std::string_view boxText);

}  // namespace varnix
