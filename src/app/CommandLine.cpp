// The command line split as Windows splits it, its choices parsed, and the line built again.
#include "app/CommandLine.h"

namespace folvane {

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// Past the program's name, which ends at the next quote when it starts with
// one and at the next blank otherwise, backslashes and all.
std::size_t SkipProgramName(const std::u16string& line)
{
    std::size_t i = 0;
    if (!line.empty() && line[0] == u'"') {
        i = line.find(u'"', 1);
        i = i == std::u16string::npos ? line.size() : i + 1;
    } else {
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
    }
    return i;
}

std::string Shown(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text)
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    return out;
}

std::string Problem(const std::string& what)
{
    return what + "\r\n\r\nUse: " + kCommandLineUsage;
}

std::u16string Lower(std::u16string text)
{
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

// "E", "E:" or "E:\", either case.
bool DriveLetterOf(const std::u16string& text, char& letter)
{
    if (text.empty() || text.size() > 3 || (text.size() >= 2 && text[1] != u':')
        || (text.size() == 3 && text[2] != u'\\'))
        return false;
    const char16_t c = text[0];
    if (c >= u'a' && c <= u'z')
        letter = static_cast<char>(c - u'a' + 'A');
    else if (c >= u'A' && c <= u'Z')
        letter = static_cast<char>(c);
    else
        return false;
    return true;
}

bool IsOption(const std::u16string& argument)
{
    return !argument.empty() && argument[0] == u'/';
}

} // namespace

// ---- Splitting ----

std::vector<std::u16string> SplitCommandLine(const std::u16string& line)
{
    std::vector<std::u16string> arguments;
    std::size_t i = SkipProgramName(line);
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    if (i >= line.size())
        return arguments;

    std::u16string current;
    int quotes = 0; // odd while inside quotes
    std::size_t backslashes = 0;
    while (i < line.size()) {
        const char16_t c = line[i];
        if (IsBlank(c) && quotes == 0) {
            arguments.push_back(current);
            current.clear();
            backslashes = 0;
            while (i < line.size() && IsBlank(line[i]))
                ++i;
            if (i >= line.size())
                return arguments;
            continue;
        }
        if (c == u'\\') {
            current += c;
            ++backslashes;
            ++i;
            continue;
        }
        if (c == u'"') {
            // 2n backslashes before a quote are n, and the quote toggles
            // quoting; 2n+1 are n and a literal quote.
            current.resize(current.size() - (backslashes + 1) / 2);
            if (backslashes % 2 == 0)
                ++quotes;
            else
                current += u'"';
            backslashes = 0;
            ++i;
            // Among consecutive quotes, every third one is a literal quote.
            while (i < line.size() && line[i] == u'"') {
                if (++quotes == 3) {
                    current += u'"';
                    quotes = 0;
                }
                ++i;
            }
            if (quotes == 2)
                quotes = 0;
            continue;
        }
        current += c;
        backslashes = 0;
        ++i;
    }
    arguments.push_back(current);
    return arguments;
}

// ---- Choices ----

CommandLineRequest ParseCommandLine(const std::vector<std::u16string>& arguments)
{
    CommandLineRequest request;
    request.given = !arguments.empty();
    if (!request.given)
        return request;

    bool haveSet = false;
    bool haveCdrom = false;
    auto fail = [&request](const std::string& what) {
        request.problem = Problem(what);
        request.choices = {};
        return request;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string option = Lower(arguments[i]);
        const bool hasValue = i + 1 < arguments.size() && !IsOption(arguments[i + 1]);
        if (option == u"/set") {
            if (haveSet)
                return fail("The /set option is given more than once.");
            if (!hasValue || arguments[i + 1].empty())
                return fail("The /set option needs a folder after it.");
            haveSet = true;
            request.choices.folder = arguments[++i];
        } else if (option == u"/cdrom") {
            if (haveCdrom)
                return fail("The /cdrom option is given more than once.");
            if (!hasValue || !DriveLetterOf(arguments[i + 1], request.choices.cdromDrive))
                return fail("The /cdrom option needs a drive letter after it, for example /cdrom E.");
            haveCdrom = true;
            ++i;
        } else if (option == u"/currentuser") {
            if (request.choices.currentUser)
                return fail("The /currentuser option is given more than once.");
            request.choices.currentUser = true;
        } else {
            std::string what = "The argument \"";
            what += Shown(arguments[i]);
            what += "\" is not known.";
            if (haveSet && !IsOption(arguments[i]))
                what += "\r\nA folder whose name has blanks must be in double quotes.";
            return fail(what);
        }
    }
    if (!haveSet)
        return fail("The /cdrom and /currentuser options need /set FOLDER.");
    request.valid = true;
    return request;
}

// ---- Building ----

namespace {

// The inverse of the splitting rules: quotes around the argument, each run
// of backslashes doubled where a quote follows it (the closing one too), and
// each quote escaped.
std::u16string Quoted(const std::u16string& argument)
{
    std::u16string out = u"\"";
    std::size_t backslashes = 0;
    for (char16_t c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, u'\\');
    return out + u"\"";
}

} // namespace

std::u16string CommandLineFor(const StartChoices& choices)
{
    std::u16string line = u"/set ";
    line += Quoted(choices.folder);
    if (choices.cdromDrive != 0) {
        line += u" /cdrom ";
        line += static_cast<char16_t>(choices.cdromDrive);
    }
    if (choices.currentUser)
        line += u" /currentuser";
    return line;
}

} // namespace folvane
