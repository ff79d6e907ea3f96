#include "system/config_file.h"
#include "core/fixed_field.h"
#include "core/working_paths.h"
#include "support/open_descriptors.h"
#include "support/temp_dir.h"

#include "core/failure.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>

using namespace varnix;

namespace {

// A record whose every field holds its own letter, so a misplaced field shows.
ConfigRecord letteredRecord()
{
    ConfigRecord record;
    char letter = 'A';
    for (const auto& layout : kFieldLayout)
        record.set(layout.field, std::string(layout.width, letter++));
    return record;
}

}  // namespace

TEST(ConfigFile, EachFieldLandsAtItsOffsetAndTheFileIs540Bytes)
{
    TempDir dir;
    ASSERT_NO_THROW(saveConfigFile(dir.file("varnix.dat"), letteredRecord()));
    const auto bytes = dir.read("varnix.dat");
    ASSERT_EQ(bytes.size(), 540u);
    const struct {
        Field field;
        std::size_t offset, width;
        char letter;
    } expected[] = {
        {Field::GenesisExe, 0, 50, 'A'},     {Field::SnesExe, 50, 50, 'B'},
        {Field::GenesisRomDir, 100, 50, 'C'}, {Field::SnesRomDir, 150, 50, 'D'},
        {Field::GenesisParams, 200, 30, 'E'}, {Field::SnesParams, 230, 30, 'F'},
        {Field::NeoRageParams, 260, 30, 'G'}, {Field::NeoRageExe, 290, 50, 'H'},
        {Field::NeoRageRomDir, 340, 50, 'I'}, {Field::MameExe, 390, 50, 'J'},
        {Field::MameRomDir, 440, 50, 'K'},    {Field::MameParams, 490, 50, 'L'},
    };
    for (const auto& row : expected)
        EXPECT_EQ(bytes.substr(row.offset, row.width), std::string(row.width, row.letter)) << row.letter;
}

TEST(ConfigFile, ReadingTakesTheFirst540BytesAndPadsAShortFile)
{
    TempDir dir;
#ifndef _WIN32
    // A standard input that holds bytes is neither read nor closed for a missing file.
    dir.write("input", std::string(600, 'x'));
    const int input = open(dir.file("input").c_str(), O_RDONLY), kept = dup(0);
    dup2(input, 0);
#endif
    EXPECT_FALSE(readConfigFile(dir.file("varnix.dat"))) << "a missing file is no record, and no failure";
#ifndef _WIN32
    EXPECT_EQ(lseek(0, 0, SEEK_CUR), 0) << "standard input was read";
    dup2(kept, 0);
    close(kept);
    close(input);
#endif
    EXPECT_FALSE(readConfigFile(dir.file("none/varnix.dat"))) << "nor is one in a folder that is not there";

    dir.write("long.dat", std::string(letteredRecord().bytes()) + "TAIL");
    const auto full = readConfigFile(dir.file("long.dat")).value();
    EXPECT_EQ(full.bytes(), letteredRecord().bytes());

    dir.write("short.dat", "C:\\GENS\\GENS.EXE");
    const auto shortRecord = readConfigFile(dir.file("short.dat")).value();
    EXPECT_EQ(shortRecord.get(Field::GenesisExe), fitToWidth("C:\\GENS\\GENS.EXE", 50));
    EXPECT_FALSE(shortRecord.isSet(Field::SnesExe)) << "bytes past the end read as blanks";

    std::filesystem::create_directory(dir.file("folder.dat"));
    EXPECT_THROW(readConfigFile(dir.file("folder.dat")), Failure) << "a directory is there, and no configuration";
}

TEST(ConfigFile, SavingKeepsTheBytesBeyondTheRecordAndRepeatsExactly)
{
    TempDir dir;
    dir.write("varnix.dat", std::string(540, 'x') + "kept by another program");
    ASSERT_NO_THROW(saveConfigFile(dir.file("varnix.dat"), letteredRecord()));
    const auto first = dir.read("varnix.dat");
    EXPECT_EQ(first, std::string(letteredRecord().bytes()) + "kept by another program");

    ASSERT_NO_THROW(saveConfigFile(dir.file("varnix.dat"), letteredRecord()));
    EXPECT_EQ(dir.read("varnix.dat"), first);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(ConfigFile, AFailedSaveSaysWhyAndLeavesTheOldFile)
{
    const auto failureOf = [](const std::string& path) {
        try {
            saveConfigFile(path, letteredRecord());
        } catch (const Failure& failure) {
            return std::string(failure.what());
        }
        return std::string();
    };
    // Nothing can be created in /proc, not even by root.
    EXPECT_NE(failureOf("/proc/varnix.dat").find("/proc/varnix.dat"), std::string::npos);

    TempDir dir;
    std::filesystem::create_directory(dir.file("varnix.dat"));
    EXPECT_NE(failureOf(dir.file("varnix.dat")), "") << "a directory cannot be replaced";
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("varnix.dat")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

#ifndef _WIN32
TEST(ConfigFile, OnlyARegularFileIsReadOrReplacedAndALinkIsWrittenThrough)
{
    TempDir dir;
    const auto fifo = dir.file("varnix.dat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_THROW(readConfigFile(fifo), Failure) << "there but not read, without waiting for a writer";
    EXPECT_THROW(saveConfigFile(fifo, letteredRecord()), Failure);
    EXPECT_EQ(std::filesystem::status(fifo).type(), std::filesystem::file_type::fifo);

    dir.write("real/settings.dat", std::string(600, 'x'));
    std::filesystem::create_symlink("real/settings.dat", dir.file("link.dat"));
    saveConfigFile(dir.file("link.dat"), letteredRecord());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.dat")));
    EXPECT_EQ(dir.read("real/settings.dat"), std::string(letteredRecord().bytes()) + std::string(60, 'x'));

    std::filesystem::create_directory(dir.file("loop"));
    std::filesystem::create_symlink("b", dir.file("loop/a"));
    std::filesystem::create_symlink("a", dir.file("loop/b"));
    EXPECT_THROW(saveConfigFile(dir.file("loop/a"), letteredRecord()), Failure) << "a link loop leads nowhere";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("loop")), {}), 2) << "nothing written";
}
#endif

#ifndef _WIN32
TEST(ConfigFile, ASaveThatCannotWriteSaysSoAndLeavesNothingBehindOrOpen)
{
    TempDir dir;
    const auto path = dir.file("varnix.dat");
    dir.write("varnix.dat", "old");
    // With the standard input closed, a file of the save's takes descriptor 0.
    const int input = dup(0);
    close(0);
    const auto before = openDescriptors();
    saveConfigFile(path, letteredRecord());
    EXPECT_TRUE(readConfigFile(path));
    EXPECT_EQ(openDescriptors(), before) << "a descriptor was left open";
    dup2(input, 0);
    close(input);

    // A disk that takes 100 bytes and no more.
    rlimit kept{};
    getrlimit(RLIMIT_FSIZE, &kept);
    rlimit small = kept;
    small.rlim_cur = 100;
    const auto signalWas = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_THROW(saveConfigFile(path, ConfigRecord()), Failure) << "a write the disk refuses is no success";
    setrlimit(RLIMIT_FSIZE, &kept);
    signal(SIGXFSZ, signalWas);
    EXPECT_EQ(dir.read("varnix.dat"), std::string(letteredRecord().bytes()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "a temporary file was left";
    EXPECT_THROW(saveConfigFile(dir.file("gone/varnix.dat"), ConfigRecord()), Failure) << "no temporary file there";

    // A new file gets the usual permissions of one: never executable.
    const mode_t mask = umask(022);
    saveConfigFile(dir.file("new.dat"), ConfigRecord());
    umask(mask);
    struct stat made {};
    ASSERT_EQ(stat(dir.file("new.dat").c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 07777, 0644u);
}
#endif

TEST(ConfigFile, AReadOnlyFileIsNotReplaced)
{
    TempDir dir;
    dir.write("varnix.dat", "old");
    std::filesystem::permissions(dir.file("varnix.dat"), std::filesystem::perms::owner_read);
    EXPECT_THROW(saveConfigFile(dir.file("varnix.dat"), letteredRecord()), Failure)
        << "not replaced, even where the folder allows it";
    EXPECT_EQ(dir.read("varnix.dat"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";
    std::filesystem::permissions(dir.file("varnix.dat"), std::filesystem::perms::owner_all);
}

TEST(ConfigFile, WorkingPathsCarryTheWholeFieldAndAreCutOnlyWhenSaved)
{
    ConfigRecord record;
    record.set(Field::SnesRomDir, "/roms/snes");
    const auto paths = WorkingPaths::fromRecord(record);
    EXPECT_EQ(paths.SnesRomDir, fitToWidth("/roms/snes", 50)) << "blank padding included";
    EXPECT_EQ(paths.MameExe, std::string(50, ' '));

    WorkingPaths longPaths;
    longPaths.MameRomDir = std::string(60, 'm');
    ConfigRecord saved;
    longPaths.copyInto(saved);
    EXPECT_EQ(saved.get(Field::MameRomDir), std::string(50, 'm'));
    EXPECT_FALSE(saved.isSet(Field::GenesisExe)) << "an empty copy gives 50 blanks";
}
