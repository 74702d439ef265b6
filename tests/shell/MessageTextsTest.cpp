// Every text the program can show in a message window is written in its sources (or in the
// resource builder's string table) as a string literal. A line break written as a lone carriage
// return shows as nothing at all in a Qt window, so two lines run into one: no literal may hold one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The string literals of a C++ source, escapes kept as written; comments and character literals
// are skipped.
std::vector<std::string> StringLiterals(const std::string& code) {
    std::vector<std::string> found;
    size_t i = 0;
    while (i < code.size()) {
        if (code.compare(i, 2, "//") == 0) {
            i = code.find('\n', i);
            if (i == std::string::npos)
                break;
        } else if (code.compare(i, 2, "/*") == 0) {
            i = code.find("*/", i + 2);
            if (i == std::string::npos)
                break;
            i += 2;
        } else if (code[i] == '\'') {
            for (++i; i < code.size() && code[i] != '\''; ++i)
                if (code[i] == '\\')
                    ++i;
            ++i;
        } else if (code[i] == '"') {
            std::string literal;
            for (++i; i < code.size() && code[i] != '"'; ++i) {
                literal += code[i];
                if (code[i] == '\\' && i + 1 < code.size())
                    literal += code[++i];
            }
            ++i;
            found.push_back(literal);
        } else {
            ++i;
        }
    }
    return found;
}

// True when the literal, escapes read, holds a carriage return not followed by a line feed.
bool HasLoneCarriageReturn(const std::string& literal) {
    std::string text;
    for (size_t i = 0; i < literal.size(); ++i) {
        if (literal[i] != '\\' || i + 1 == literal.size()) {
            text += literal[i];
            continue;
        }
        const char escaped = literal[++i];
        text += escaped == 'r' ? '\r' : escaped == 'n' ? '\n' : escaped == '\\' ? '\\' : '?';
    }
    for (size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at + 1))
        if (at + 1 == text.size() || text[at + 1] != '\n')
            return true;
    return false;
}

TEST(MessageTexts, TheScannerFindsLoneCarriageReturnsOnly) {
    const auto literals =
        StringLiterals("// \"in a \\r comment\"\n"
                       "f('\\r', \"a\\r\\nb\", \"one\\rtwo\"); /* \"x\\ry\" */ \"q\\\"\\r\"");
    ASSERT_EQ(literals.size(), 3u);
    EXPECT_FALSE(HasLoneCarriageReturn(literals[0]));
    EXPECT_TRUE(HasLoneCarriageReturn(literals[1]));
    EXPECT_TRUE(HasLoneCarriageReturn(literals[2])) << "an escaped quote does not end the literal";
    EXPECT_FALSE(HasLoneCarriageReturn("\\\\r")) << "a backslash before r is no carriage return";
}

TEST(MessageTexts, NoTextOfTheProgramBreaksItsLinesWithALoneCarriageReturn) {
    const fs::path root = QUILLON_SOURCE_DIR;
    int files = 0;
    std::vector<std::string> offenders;
    for (const char* folder : {"src", "tools/mkres"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h"))
                continue;
            ++files;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream code;
            code << in.rdbuf();
            for (const std::string& literal : StringLiterals(code.str()))
                // A line ending on its own is a token of a file reader, not a text.
                if (HasLoneCarriageReturn(literal) && literal != "\\r")
                    offenders.push_back(entry.path().lexically_relative(root).string() + ": \"" + literal +
                                        "\"");
        }
    }
    EXPECT_GT(files, 50) << "the sources were found";
    for (const std::string& o : offenders)
        ADD_FAILURE() << o;
}

} // namespace
