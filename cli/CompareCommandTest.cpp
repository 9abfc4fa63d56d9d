#include "CompareCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#ifdef _WIN32
#include <windows.h>

#include "ConsoleOutput.h"
#include "ProgramDriver.h"
#include "WindowsText.h"
#endif

#include "FileProblems.h"
#include "ReadOnlyFile.h"
#include "SeasonFolders.h"
#include "SeasonRecords.h"
#include "TestFiles.h"

namespace trelvane::cli {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::PutFile;
using tools::SeasonData;

// The moved list the fixture's seasons give, as saved.
const std::string kMovedList =
    "20000  Lund,Emil             Northport Gulls -> Dunmore Bears\r\n"
    "22000  Strau\xDF,Nils           Ashford Foxes -> (free agent)\r\n";

class CompareCommandTest : public ::testing::Test, public testing::SeasonFolders {
protected:
    std::string out, err;
    SeasonData priorSeason, currentSeason;

    // A departure with a team and one without, an arrival who joins a team,
    // a trade, a release, a team that changed its name and kept its number,
    // and names with Windows-1252 bytes: é, ß, the euro sign, undefined 0x81.
    void SetUp() override {
        priorSeason.players = {{12345, "Jan", "Doe"},
                               {30000, "Tomas", "Novak"},
                               {20000, "Emil", "Lund"},
                               {21000, "Andr\xE9", "K\xE9rr"},
                               {22000, "Nils", "Strau\xDF"}};
        priorSeason.teams = {{1, "Northport", "Gulls", {12345, 20000}}, {2, "Ashford", "Foxes", {21000, 22000}}};
        currentSeason.players = {{20000, "Emil", "Lund"},
                                 {21000, "Andr\xE9", "K\xE9rr"},
                                 {22000, "Nils", "Strau\xDF"},
                                 {45000, "Od\x81n", "\x80uro"}};
        currentSeason.teams = {{2, "Harbour City", "Comets", {21000}}, {3, "Dunmore", "Bears", {20000, 45000}}};
        ASSERT_TRUE(tools::WriteSeason(prior, priorSeason));
        ASSERT_TRUE(tools::WriteSeason(current, currentSeason));
    }

    int Run(std::vector<std::string> args) {
        std::ostringstream o, e;
        const int code = RunCompare(args, o, e);
        out = o.str();
        err = e.str();
        return code;
    }
};

// The text report in UTF-8, on Windows after a byte-order mark and with
// its lines ended as the system's text files are.
const std::string kEuro = "\xE2\x82\xACuro", kUndefined81 = "\xC2\x81", kStraussName = "Strau\xC3\x9F";
#ifdef _WIN32
std::string TextLines(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) text.insert(at, 1, '\r');
    return text;
}
const std::string kTextReportStart = "\xEF\xBB\xBF";
#else
std::string TextLines(std::string text) { return text; }
const std::string kTextReportStart;
#endif

// Full names in columns as wide as the longest (a 32-character one here),
// and every team's figures: a team gone, a team new, a trade, a release.
TEST_F(CompareCommandTest, TextReportHasTotalsCountsTeamsAndThreeListsInTheTerminalsEncoding) {
    priorSeason.players[1].lastName = "Abernathy-Kristiansen-Whitcombes";
    ASSERT_TRUE(tools::WriteSeason(prior, priorSeason));
    EXPECT_EQ(Run({prior.string(), current.string()}), 0);
    EXPECT_EQ(out, kTextReportStart +
                       TextLines("Prior season: 5 players, 2 teams\n"
                                 "Current season: 4 players, 2 teams\n"
                                 "Departed: 2\n"
                                 "Arrivals: 1\n"
                                 "Moved: 2\n"
                                 "\n"
                                 "By team (players in each season, then the changes):\n"
                                 "Team                 Prior  Current  Departed  Arrived  Moved in  Moved out\n"
                                 "Northport Gulls          2        0         1        0         0          1\n"
                                 "Harbour City Comets      2        1         0        0         0          1\n"
                                 "Dunmore Bears            0        2         0        1         1          0\n"
                                 "(free agents)            1        1         1        0         1          0\n"
                                 "\n"
                                 "Departed (in the prior season, not in the current one):\n"
                                 "Id     Last name                         First name  Team\n"
                                 "12345  Doe                               Jan         Northport Gulls\n"
                                 "30000  Abernathy-Kristiansen-Whitcombes  Tomas\n"
                                 "\n"
                                 "Arrivals (in the current season, not in the prior one), with the team each joined:\n"
                                 "Id     Last name  First name  Team\n"
                                 "45000  " +
                                 kEuro + "       Od" + kUndefined81 +
                                 "n        Dunmore Bears\n"
                                 "\n"
                                 "Moved (in both seasons, on another team):\n"
                                 "Id     Last name  First name  Teams\n"
                                 "20000  Lund       Emil        Northport Gulls -> Dunmore Bears\n"
                                 "22000  " +
                                 kStraussName + "     Nils        Ashford Foxes -> (free agent)\n"));
    EXPECT_EQ(err, "");
}

// A path as a JSON string: the temporary folders hold no quote and no
// control character, only Windows' backslashes need escaping.
std::string JsonText(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '\\') json += '\\';
        json += c;
    }
    return json + "\"";
}
std::string JsonPath(const fs::path& folder, const char* file) {
    return JsonText(NativePath(SeasonFilePath(folder.string(), file)));
}

TEST_F(CompareCommandTest, JsonHasTheFoldersTotalsEveryChangeAndEverySeasonFile) {
    fs::remove(current / kTeamFileName);
    EXPECT_EQ(Run({prior.string(), current.string(), "--format=json"}), 0);
    for (const std::string& part : {
             "{\n  \"prior_folder\": " + JsonText(prior.string()) +
                 ",\n  \"current_folder\": " + JsonText(current.string()) +
                 ",\n  \"totals\": {\n    \"prior\": {\"players\": 5, \"teams\": 2},\n"
                 "    \"current\": {\"players\": 4, \"teams\": 0}\n  },\n  \"departed\": [\n",
             std::string("    {\"id\": 30000, \"last_name\": \"Novak\", \"first_name\": \"Tomas\", \"prior_team\": "
                         "null, \"current_team\": null}\n  ],\n"),
             std::string("{\"id\": 45000, \"last_name\": \"\xE2\x82\xACuro\", \"first_name\": \"Od\\u0081n\""),
             std::string("}\n  ],\n  \"moved\": null,\n  \"teams\": null,\n  \"files\": [\n"),
             "{\"path\": " + JsonPath(prior, kTeamFileName) + ", \"read\": true, \"problem\": null},\n",
             "{\"path\": " + JsonPath(current, kTeamFileName) +
                 ", \"read\": false, \"problem\": \"not found\"}\n  ]\n}\n",
         }) {
        EXPECT_NE(out.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(err, "trelvane-compare: warning: cannot read the team file " +
                       NativePath(SeasonFilePath(current.string(), kTeamFileName)) +
                       ": not found; arrivals have no team and who moved is unknown\n");
    EXPECT_EQ(Run({prior.string(), current.string(), "--format", "csv"}), 0);
    EXPECT_EQ(out.find("moved,"), std::string::npos);
}

// Quotes, separators, line ends and control characters in names and team
// names, which the game's files may hold.
TEST_F(CompareCommandTest, CsvQuotesAndJsonEscapesWhatTheirReadersWouldMisread) {
    SeasonData odd;
    odd.players = {
        {11111, "A,b", "Say \"Hi\""}, {22222, "Tab\there", "Back\\slash\x7F"}, {33333, "Line\r\nEnd", "\x01\x1F"}};
    odd.teams = {{7, "Kings,", "\"The\"", {11111, 22222, 33333}}};
    ASSERT_TRUE(tools::WriteSeason(prior, odd));
    ASSERT_TRUE(tools::WriteSeason(current, {}));
    EXPECT_EQ(Run({prior.string(), current.string(), "--format", "csv"}), 0);
    EXPECT_EQ(out,
              "\xEF\xBB\xBF"
              "change,id,last_name,first_name,prior_team,current_team\r\n"
              "departed,11111,\"Say \"\"Hi\"\"\",\"A,b\",\"Kings, \"\"The\"\"\",\r\n"
              "departed,22222,Back\\slash\x7F,Tab\there,\"Kings, \"\"The\"\"\",\r\n"
              "departed,33333,\x01\x1F,\"Line\r\nEnd\",\"Kings, \"\"The\"\"\",\r\n");
    EXPECT_EQ(Run({prior.string(), current.string(), "--format", "json"}), 0);
    for (const char* entry : {"{\"id\": 11111, \"last_name\": \"Say \\\"Hi\\\"\", \"first_name\": \"A,b\", "
                              "\"prior_team\": \"Kings, \\\"The\\\"\"",
                              "{\"id\": 22222, \"last_name\": \"Back\\\\slash\\u007f\", \"first_name\": \"Tab\\there\"",
                              "{\"id\": 33333, \"last_name\": \"\\u0001\\u001f\", \"first_name\": \"Line\\r\\nEnd\""}) {
        EXPECT_NE(out.find(entry), std::string::npos) << entry;
    }
    EXPECT_EQ(err, "trelvane-compare: warning: the current season holds no players\n");
}

TEST_F(CompareCommandTest, SavedListsAreTheListLinesEachEndedByCrLfAndDashIsStandardOutput) {
    const fs::path departed = root / "departed.txt", arrivals = root / "arrivals.txt";
    std::ofstream(departed) << std::string(500, 'x');  // an older and longer content
    EXPECT_EQ(Run({"--departed", departed.string(), prior.string(), current.string(), "--arrivals=" + arrivals.string(),
                   "--format", "json"}),
              0);
    EXPECT_EQ(FileBytes(departed),
              "12345  Doe,Jan               Northport Gulls\r\n"
              "30000  Novak,Tomas           \r\n");
    EXPECT_EQ(FileBytes(arrivals), "45000  \x80uro,Od\x81n             \r\n");
    EXPECT_EQ(Run({prior.string(), current.string(), "--moved", "-"}), 0);
    EXPECT_EQ(out, kMovedList);
    EXPECT_EQ(Run({prior.string(), prior.string(), "--arrivals", arrivals.string()}), 0);
    EXPECT_EQ(FileBytes(arrivals), "");
}

TEST_F(CompareCommandTest, AMissingTeamFileTheSameFolderTwiceAndAnEmptySeasonAreWarnings) {
    fs::remove(prior / kTeamFileName);
    EXPECT_EQ(Run({prior.string(), current.string()}), 0);
    EXPECT_EQ(err, "trelvane-compare: warning: cannot read the team file " +
                       NativePath(SeasonFilePath(prior.string(), kTeamFileName)) +
                       ": not found; departed players are listed without their teams and who moved is unknown\n");
    EXPECT_NE(out.find(TextLines("Moved: unknown, a team file was not read\n\nBy team: unknown, a team file was not "
                                 "read\n\nDeparted (in the prior season, not in the current one):\nId     Last name  "
                                 "First name  Team\n12345  Doe        Jan\n")),
              std::string::npos);
    EXPECT_EQ(Run({prior.string(), prior.string()}), 0);
    EXPECT_EQ(err.find("trelvane-compare: warning: cannot read the team file"), 0u);
    EXPECT_EQ(err.find("cannot read", err.find('\n')), std::string::npos) << err;
    EXPECT_EQ(out.find("Moved ("), std::string::npos);
    ASSERT_TRUE(tools::WriteSeason(current, {}));
    EXPECT_EQ(Run({current.string(), (current / ".").string()}), 0);
    EXPECT_EQ(err,
              "trelvane-compare: warning: the prior season holds no players\n"
              "trelvane-compare: warning: the current season holds no players\n"
              "trelvane-compare: warning: the prior and the current folder are the same folder\n");
}

TEST_F(CompareCommandTest, WrongArgumentsSayWhatIsWrongInOneLineAndExitTwo) {
    const fs::path file = root / "list.txt";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "give a prior and a current season folder"},
        {{"a"}, "give a prior and a current season folder"},
        {{"a", "b", "c"}, "too many folders: 'c'"},
        {{"a", "b", "--departed"}, "--departed needs a file name"},
        {{"a", "b", "--moved="}, "--moved needs a file name"},
        {{"a", "b", "--colour"}, "unknown option --colour"},
        {{"a", "b", "--format", "xml"}, "unknown format 'xml' (text, csv, json or html)"},
        {{"a", "b", "--format"}, "--format needs text, csv, json or html"},
        {{"a", "b", "--format=csv", "--format=json"}, "--format is given twice"},
        {{"a", "b", "--arrivals", "x", "--arrivals", "y"}, "--arrivals is given twice"},
        {{"a", "b", "--departed", file.string(), "--moved", (root / "." / "list.txt").string()},
         "--departed and --moved name the same file"},
        {{"a", "b", "--arrivals", "-", "--moved", "-"}, "--arrivals and --moved name the same file"},
        {{"a", "b", "--departed", "-", "--format", "text"},
         "--departed - takes standard output from the report; drop --format"},
    };
    for (const auto& [args, problem] : cases) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(err, "trelvane-compare: " + problem + "; try 'trelvane-compare --help'\n");
        EXPECT_EQ(out, "");
    }
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(Run({"a", "--help", "--colour"}), 0);
    EXPECT_EQ(out.rfind("usage: trelvane-compare PRIOR_FOLDER CURRENT_FOLDER", 0), 0u);
    EXPECT_NE(out.find("--format FORMAT"), std::string::npos);
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out, "trelvane-compare 1.0.0\n");
    EXPECT_EQ(Run({"--", "--help", current.string()}), 1) << "a folder named --help";
}

// Every way a run can fail: one line on stderr naming the file and saying
// why, and exit status 1.
class CompareCommandFailures : public CompareCommandTest {
protected:
    // The reason err gives for path after "cannot <verb> ", or "" when err is
    // not exactly that one line.
    std::string ReasonFor(const std::string& verb, const std::string& path) {
        const std::string start = "trelvane-compare: cannot " + verb + path + ": ";
        if (err.rfind(start, 0) != 0 || err.back() != '\n' || std::count(err.begin(), err.end(), '\n') != 1) {
            return "";
        }
        return err.substr(start.size(), err.size() - start.size() - 1);
    }
};

// Why a season file is not read is SeasonComparisonTest's; here, that the
// line names it, once for one folder given twice, and no list is saved.
TEST_F(CompareCommandFailures, UnreadablePlayerFiles) {
    const fs::path departed = root / "departed.txt";
    EXPECT_EQ(Run({"", "", "--departed", departed.string()}), 1);
    EXPECT_EQ(ReasonFor("read the player file ", NativePath(SeasonFilePath("", kPlayerFileName))),
              WordsOf(FileProblem::kNoFolderGiven))
        << err;
    EXPECT_EQ(out, "");
    EXPECT_FALSE(fs::exists(departed)) << "no list is saved after a failed read";
}

TEST_F(CompareCommandFailures, ExportsThatCannotBeWrittenLeaveEverythingAsItWas) {
    const fs::path readOnly = root / "read-only.txt", held = root / "held.txt", folder = root / "folder.txt";
    for (const fs::path& file : {readOnly, held}) PutFile(file, "old export");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(folder);

    std::vector<std::pair<std::string, FileProblem>> cases = {
        {readOnly.string(), FileProblem::kReadOnly},
        {folder.string(), FileProblem::kNotAFile},
        {(root / "no-such-folder" / "out.txt").string(), FileProblem::kFolderMissing},
        {(held / "out.txt").string(), FileProblem::kFolderIsAFile},
    };
#ifdef _WIN32
    // Held open by a program that lets others read and write it, not replace
    // it: a list written in place would get through and change it.
    const HANDLE holder =
        CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    cases.push_back({held.string(), FileProblem::kInUse});
    const fs::path refusing = "Z:\\sys";  // Wine's view of the kernel's sysfs
#else
    cases.push_back({"/dev/full", FileProblem::kDiskFull});  // a disk with no room left
    const fs::path refusing = "/sys";
#endif
    // A folder where no one may create a file, root included.
    if (fs::is_directory(refusing))
        cases.push_back({(refusing / "departed.txt").string(), FileProblem::kFolderRefusesFiles});
    const fs::path good = root / "moved.txt";
    for (const auto& [target, reason] : cases) {
        EXPECT_EQ(Run({prior.string(), current.string(), "--departed", target, "--moved", good.string()}), 1) << target;
        EXPECT_EQ(ReasonFor("write ", target), WordsOf(reason)) << err;
        // Told before anything is printed, where the open tells it; the
        // other list is saved.
        EXPECT_TRUE(out.empty() || reason == FileProblem::kDiskFull) << target;
        EXPECT_EQ(FileBytes(good), kMovedList);
    }
#ifdef _WIN32
    CloseHandle(holder);
#endif
    for (const fs::path& file : {readOnly, held}) EXPECT_EQ(FileBytes(file), "old export");
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(testing::FileNamesIn(root.Path()),
              (std::vector<std::string>{"current", "folder.txt", "held.txt", "moved.txt", "prior", "read-only.txt"}));
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
}

// A list is never written over a season file the run reads, whatever the
// link that leads to it, nor under a name the game or the window keeps (its
// spellings are RefusedExportName's): refused before anything is written, a
// good list included.
TEST_F(CompareCommandFailures, ListsOverSeasonFilesAreRefusedBeforeAnythingIsWritten) {
    const fs::path seasonFiles[] = {prior / kPlayerFileName, prior / kTeamFileName, current / kPlayerFileName,
                                    current / kTeamFileName};
    std::vector<std::string> before;
    for (const fs::path& file : seasonFiles) before.push_back(FileBytes(file));
    fs::create_hard_link(current / kTeamFileName, root / "hard-link.txt");
    std::vector<std::pair<std::string, FileProblem>> cases = {
        {(current / "KOVPLYR.DAT::$DATA").string(), FileProblem::kSeasonFile},
        {(root / "hard-link.txt").string(), FileProblem::kSeasonFile},
    };
#ifdef _WIN32
    for (const char* device : {"con.txt", "NUL", "aux.csv . ", "Com1"})
        cases.push_back({(root / device).string(), FileProblem::kDeviceName});
#else
    fs::create_symlink(prior / kPlayerFileName, root / "symbolic-link.txt");
    cases.push_back({(root / "symbolic-link.txt").string(), FileProblem::kSeasonFile});
    // The reader finds kovplyr.dat for KOVPLYR.DAT; so does the check.
    fs::rename(current / kPlayerFileName, current / "kovplyr.dat");
    fs::create_symlink(current / "kovplyr.dat", root / "lower-case-link.txt");
    cases.push_back({(root / "lower-case-link.txt").string(), FileProblem::kSeasonFile});
#endif
    const fs::path good = root / "moved.txt";
    for (const auto& [target, reason] : cases) {
        EXPECT_EQ(Run({prior.string(), current.string(), "--moved", good.string(), "--departed", target}), 2);
        EXPECT_EQ(ReasonFor("write ", target), WordsOf(reason)) << err;
        EXPECT_EQ(out, "");
        EXPECT_FALSE(fs::exists(good));
    }
#ifndef _WIN32
    fs::rename(current / "kovplyr.dat", current / kPlayerFileName);
#endif
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(FileBytes(seasonFiles[i]), before[i]) << seasonFiles[i];
    EXPECT_EQ(Run({prior.string(), current.string(), "--moved", "-", "--arrivals", good.string()}), 0) << err;
}

// Standard output that takes nothing and sets errno as a write to a full
// disk does. (A reader that went away, as after "| head", ends the output
// quietly: the reports' parse test and the Windows program test see it.)
class FullDiskOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return errno = ENOSPC, traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return errno = ENOSPC, 0; }
};

// Standard output that takes every write into its buffer and fails only when
// it is flushed, as a redirected file on a full disk does.
class FullDiskOnFlush : public std::stringbuf {
protected:
    int sync() override { return errno = ENOSPC, -1; }
};

// The lists asked for are saved all the same; a failure at the flush
// alone is a failure too.
TEST_F(CompareCommandFailures, StandardOutputThatTakesNothingOrFailsOnlyWhenFlushedExitsOne) {
    FullDiskOutput nothing;
    std::ostream output(&nothing);
    std::ostringstream errors;
    const fs::path moved = root / "moved.txt";
    EXPECT_EQ(RunCompare({prior.string(), current.string(), "--moved", moved.string()}, output, errors), 1);
    EXPECT_EQ(errors.str(), "trelvane-compare: cannot write to standard output: the disk is full\n");
    EXPECT_EQ(FileBytes(moved), kMovedList);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{prior.string(), current.string()}, {"--help"}, {"--version"}}) {
        FullDiskOnFlush full;
        std::ostream o(&full);
        std::ostringstream e;
        EXPECT_EQ(RunCompare(args, o, e), 1) << args[0];
    }
}

#ifndef _WIN32
// Folder paths are not limited to 255 characters; file names match
// whatever their letter case.
TEST_F(CompareCommandTest, LinuxFolderPathsFileNamesAndJsonEscapesOfFolderNames) {
    fs::path deep = root.Path();
    while (deep.string().size() < 300) deep /= std::string(60, 'd');
    ASSERT_TRUE(tools::WriteSeason(deep, {{{12345, "Jan", "Doe"}}, {}}));
    EXPECT_EQ(Run({deep.string(), current.string(), "--format=csv"}), 0) << err;
    EXPECT_NE(out.find("departed,12345,Doe,Jan,,\r\n"), std::string::npos);

    fs::rename(prior / kPlayerFileName, prior / "kovplyr.dat");
    fs::rename(prior / kTeamFileName, prior / "KovTeam.Dat");
    // JSON names the files as they are spelt, so that the paths exist.
    EXPECT_EQ(Run({prior.string(), current.string(), "--format=json"}), 0);
    EXPECT_NE(out.find("{\"path\": " + JsonText((prior / "kovplyr.dat").string()) + ", \"read\": true"),
              std::string::npos);
    EXPECT_NE(out.find("{\"path\": " + JsonText((prior / "KovTeam.Dat").string()) + ", \"read\": true"),
              std::string::npos);

    // U+009F is the last control character JSON escapes; U+00A0 goes out
    // as it is.
    const fs::path odd = root / "\xC2\x9F\xC2\xA0";
    fs::rename(prior, odd);
    EXPECT_EQ(Run({odd.string(), current.string(), "--format=json"}), 0);
    EXPECT_NE(out.find("\\u009f\xC2\xA0\""), std::string::npos) << out.substr(0, 200);
}
#endif

#ifdef _WIN32
std::vector<std::wstring> gConsolePieces;

// The console gets at most 8 K characters a call, a character beyond U+FFFF
// whole, and UTF-8 without the mark a file begins with.
TEST(ConsoleOutput, WritesUtf8WithoutItsMarkInPiecesOfAtMost8KCharacters) {
    const ConsoleWriter record = [](HANDLE, std::wstring_view text) {
        gConsolePieces.emplace_back(text);
        return true;
    };
    ConsoleOutput utf8(nullptr, ConsoleBytes::kUtf8, record);
    std::ostream(&utf8) << "\xEF\xBB\xBF" + std::string(8191, 'a') + "\xF0\x9F\x98\x80" + std::string(10000, 'b');
    std::vector<std::size_t> sizes;
    for (const std::wstring& piece : gConsolePieces) sizes.push_back(piece.size());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{8191, 8192, 1810}));
}

// trelvane-compare.exe itself, beside this test. The bytes it prints when
// redirected are the window's league report's, compared in the program
// tests.
class CompareProgramTest : public CompareCommandTest {
protected:
    DWORD RunProgram(const std::wstring& arguments, bool readerGone = false) {
        const testing::ProgramRun run =
            testing::RunProgram(testing::ProgramFolder() / L"trelvane-compare.exe", arguments, root.Path(), readerGone);
        out = run.out;
        err = run.err;
        return run.code;
    }
    static std::wstring Quoted(const fs::path& path) { return L"\"" + path.wstring() + L"\""; }
};

// Started without arguments by another program (not from Explorer, which
// gives it a console of its own), the season maker makes its demo league
// beside itself once, says where, and does not wait for Enter.
TEST_F(CompareProgramTest, TheSeasonMakerAloneMakesADemoLeagueBesideItselfOnce) {
    fs::copy_file(testing::ProgramFolder() / L"trelvane-make-seasons.exe", root / "trelvane-make-seasons.exe");
    for (const std::string said : {"Made a demo league in ", "The demo league is already in "}) {
        const testing::ProgramRun run = testing::RunProgram(root / "trelvane-make-seasons.exe", {}, root.Path());
        EXPECT_EQ(run.code, 0u);
        EXPECT_EQ(run.out.rfind(said + (root / "Trelvane demo").string(), 0), 0u) << run.out;
        EXPECT_TRUE(fs::exists(root / "Trelvane demo" / "2026" / kTeamFileName));
    }
}

// As on Linux: the lists asked for are saved, and nothing is said.
TEST_F(CompareProgramTest, AReaderThatWentAwayEndsTheOutputQuietlyAndNamesReachTheFilesExactlyAsGiven) {
    const fs::path moved = root / "moved.txt";
    for (const wchar_t* format : {L"text", L"csv"}) {
        fs::remove(moved);
        const std::wstring options = std::wstring(L" --format ") + format + L" --moved " + Quoted(moved);
        EXPECT_EQ(RunProgram(Quoted(prior) + L" " + Quoted(current) + options, true), 0u) << err;
        EXPECT_EQ(err, "");
        EXPECT_EQ(FileBytes(moved), kMovedList);
    }

    // A full-width "Ａ" that the ANSI code page would best-fit to "A",
    // beside a folder of that name; a full-width quotation mark that would
    // become one that ends the argument.
    const fs::path real = root.Path() / L"Saison \uFF21", decoy = root.Path() / L"Saison A";
    fs::rename(prior, real);
    ASSERT_TRUE(tools::WriteSeason(decoy, {{{11111, "Ivo", "Decoy"}}, {}}));
    // A list name of characters no single-byte code page holds together,
    // over a longer old list that must not keep its tail.
    const fs::path named = root.Path() / L"moved\uFF02 list \u00E9\u20AC\u0416.txt";
    PutFile(named, std::string(1000, 'x'));
    EXPECT_EQ(RunProgram(Quoted(real) + L" " + Quoted(current) + L" --format json --moved " + Quoted(named)), 0u)
        << err;
    EXPECT_EQ(err, "");
    EXPECT_NE(out.find("\"prior_folder\": " + JsonText(Utf8FromWide(real.wstring())) + ","), std::string::npos) << out;
    EXPECT_NE(out.find("{\"id\": 30000, \"last_name\": \"Novak\""), std::string::npos);
    EXPECT_EQ(out.find("11111"), std::string::npos);
    EXPECT_EQ(FileBytes(named), kMovedList);
}
#endif

}  // namespace
}  // namespace trelvane::cli
