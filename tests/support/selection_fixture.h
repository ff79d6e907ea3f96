#pragma once

#include "core/config_record.h"
#include "support/form_fixture.h"

// Four emulators set up from a file, with ROM directories of the test's own;
// the paths carry the file's blank padding, as after every real start.
class Selection : public FormTest {
protected:
    Selection()
    {
        for (const char* name : {"a.smc", "b.SFC", "c.fig", "d.1", "e.2", "f.zip"})
            dir.write(std::string("r/snes/") + name, "");
        for (const char* name : {"x.smd", "x.smd2", "x.smd.bak", "y.bin", "w.zip"})
            dir.write(std::string("r/gen/") + name, "");
        for (const char* name : {"kof98/k.p1", "mslug/m.p1", "readme.txt"})
            dir.write(std::string("r/neo/") + name, "");
        for (const char* name : {"pacman.zip", "GALAGA.ZIP", "notes.txt", "sub.zip/inner"})
            dir.write(std::string("r/mame/") + name, "");
        varnix::ConfigRecord record;
        const std::pair<varnix::Field, std::string> fields[] = {
            {varnix::Field::SnesExe, "/emu/snes"},          {varnix::Field::SnesRomDir, dir.file("r/snes")},
            {varnix::Field::GenesisExe, "/emu/gen"},        {varnix::Field::GenesisRomDir, dir.file("r/gen")},
            {varnix::Field::NeoRageExe, "/emu/neo"},        {varnix::Field::NeoRageRomDir, dir.file("r/neo")},
            {varnix::Field::MameExe, "/emu/mame"},          {varnix::Field::MameRomDir, dir.file("r/mame")},
            {varnix::Field::MameParams, "-window"},
        };
        for (const auto& [field, text] : fields)
            record.set(field, text);
        dir.write("start/varnix.dat", std::string(record.bytes()));
        startForm();
    }
};

