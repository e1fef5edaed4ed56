#include "platform.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

void makeFolder(const char* name) {
    std::error_code ignored;
    fs::create_directory(name, ignored);
}

// Without the owner's write permission: read-only, on Windows as well.
void makeReadOnly(const char* name) {
    fs::permissions(name, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

void makeWritable(const char* name) { fs::permissions(name, fs::perms::owner_write, fs::perm_options::add); }

struct WildcardCase {
    const char* pattern;
    const char* name;
    bool matches;
};

TEST(MatchesWildcard, FollowsTheWindowsRulesForLongNames) {
    const WildcardCase cases[] = {
        {"CCC*.txt", "CCC1.txt", true},    {"CCC*.txt", "ccc1.TXT", true},   {"CCC*.txt", "CCC.txt", true},
        {"CCC*.txt", "xCCC.txt", false},   {"CCC*.txt", "CCC1.txt.bak", false},
        {"*.tmp", "a.tmp", true},          {"*.tmp", "tmp", false},          {"*.tmp", ".tmp", true},
        {"*", "anything", true},           {"*", ".", true},                 {"*.*", "noext", true},
        {"*.*", "..", true},               {"a?c", "abc", true},             {"a?c", "ac", false},
        {"a?c", "abbc", false},            {"*a*b*", "xxaxxbxx", true},      {"*a*b", "ab", true},
        {"*a*b", "aba", false},            {"*.", "noext", true},            {"*.", "a.b", false},
        {"abc.", "abc", true},             {"abc.", "abcd", false},          {"", "", true},
        {"", "a", false},                  {"a", "", false},                 {"with space*", "with space.txt", true},
        {"ab.*", "ab", true},              {"ab.*", "ab.c.d", true},         {"a*.*", "abc", true},
        {"ab.*", "abc", false},            {"ab.*x", "ab", false},           {"ab.**", "ab", true},
    };
    for (const WildcardCase& c : cases)
        EXPECT_EQ(platform::matchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " / " << c.name;
}

std::vector<platform::DirectoryEntry> search(const char* pattern) {
    std::vector<platform::DirectoryEntry> entries;
    platform::DirectorySearch search;
    platform::DirectoryEntry entry;
    for (bool found = search.first(pattern, entry); found; found = search.next(entry)) entries.push_back(entry);
    return entries;
}

const platform::DirectoryEntry* find(const std::vector<platform::DirectoryEntry>& entries, const std::string& name) {
    for (const platform::DirectoryEntry& entry : entries)
        if (entry.name == name) return &entry;
    return nullptr;
}

TEST(DirectorySearch, ReportsNamesSizesAndAttributes) {
    makeFolder("search");
    makeFolder("search/folder.dat");
    writeBytes("search/b.dat", "12345");
    writeBytes("search/A.dat", "");
    writeBytes("search/.hidden.dat", "h");
    writeBytes("search/ro.dat", "r");
    writeBytes("search/other.txt", "o");
    makeReadOnly("search/ro.dat");

    std::vector<platform::DirectoryEntry> entries = search("search/*.dat");
    makeWritable("search/ro.dat");
    ASSERT_EQ(entries.size(), 5u);
    ASSERT_NE(find(entries, "b.dat"), nullptr);
    EXPECT_EQ(find(entries, "b.dat")->size, 5u);
    EXPECT_EQ(find(entries, "b.dat")->attributes & platform::archiveAttribute, platform::archiveAttribute);
    EXPECT_EQ(find(entries, "folder.dat")->attributes & platform::directoryAttribute, platform::directoryAttribute);
    EXPECT_EQ(find(entries, "folder.dat")->size, 0u);
    EXPECT_NE(find(entries, ".hidden.dat")->attributes & platform::hiddenAttribute, 0u);
    EXPECT_NE(find(entries, "ro.dat")->attributes & platform::readOnlyAttribute, 0u);
    EXPECT_EQ(find(entries, "b.dat")->attributes & (platform::readOnlyAttribute | platform::hiddenAttribute), 0u);
#ifndef _WIN32
    // The emulation delivers names sorted by their upper-case form, as NTFS does.
    std::vector<std::string> names;
    for (const platform::DirectoryEntry& entry : entries) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{".hidden.dat", "A.dat", "b.dat", "folder.dat", "ro.dat"}));
#endif
}

TEST(DirectorySearch, FindsDotEntriesAndNothingWhereNothingMatches) {
    makeFolder("dots");
    std::vector<platform::DirectoryEntry> entries = search("dots/*");
    ASSERT_NE(find(entries, "."), nullptr);
    ASSERT_NE(find(entries, ".."), nullptr);
    EXPECT_EQ(find(entries, ".")->attributes & platform::hiddenAttribute, 0u);
    EXPECT_TRUE(search("dots/*.none").empty());
    EXPECT_TRUE(search("no such folder/*").empty());
}

TEST(DeleteFile, DeletesFilesOnlyAndRefusesWhatWindowsRefuses) {
    writeBytes("doomed.txt", "x");
    EXPECT_TRUE(platform::deleteFile("doomed.txt"));
    EXPECT_FALSE(platform::deleteFile("doomed.txt"));  // already gone
    EXPECT_FALSE(platform::deleteFile(""));
    makeFolder("kept folder");
    EXPECT_FALSE(platform::deleteFile("kept folder"));
    writeBytes("read only.txt", "r");
    makeReadOnly("read only.txt");
    EXPECT_FALSE(platform::deleteFile("read only.txt"));
    makeWritable("read only.txt");
    EXPECT_EQ(readBytes("read only.txt"), "r");
    EXPECT_TRUE(platform::deleteFile("read only.txt"));
}

}  // namespace
