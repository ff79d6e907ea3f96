// A varnix.dat written by any program: read at start-up through Form1 over
// the tests' fake system and view, then saved with File > Save Config. The
// save is 540 bytes, and what the user did not touch keeps its bytes: every
// emulator's program and ROM directory, and the parameters of each one set up.
#include "core/emulator_table.h"
#include "core/form1.h"
#include "fuzz/fuzz_support.h"
#include "support/fake_system.h"
#include "support/fake_view.h"
#include "support/temp_dir.h"

using namespace varnix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TempDir dir;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto record = ConfigRecord::fromBytes(bytes);
    FUZZ_CHECK(record.bytes().substr(0, std::min(size, kRecordSize)) == bytes.substr(0, kRecordSize));
    FUZZ_CHECK(record.bytes().find_first_not_of(' ', std::min(size, kRecordSize)) == std::string_view::npos);

    std::filesystem::remove_all(dir.file("program"));
    std::filesystem::create_directories(dir.file("program"));
    dir.write("start/varnix.dat", std::string(bytes));
    FakeView view;
    FakeSystem system(dir.file("program"), dir.file("start"));
    Form1 form(view, system);
    form.Form_Load();
    form.mnuConfig_Click();
    const auto saved = dir.read("program/varnix.dat");
    FUZZ_CHECK(saved.size() == kRecordSize);
    const auto written = ConfigRecord::fromBytes(saved);
    for (const auto& row : kEmulators) {
        FUZZ_CHECK(written.get(row.exeField) == record.get(row.exeField));
        FUZZ_CHECK(written.get(row.romDirField) == record.get(row.romDirField));
        if (record.isSet(row.exeField))
            FUZZ_CHECK(written.get(row.paramsField) == record.get(row.paramsField));
    }
    return 0;
}
