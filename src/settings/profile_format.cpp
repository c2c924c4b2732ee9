#include "settings/profile_format.h"

#include <vector>

#include "settings/profile_encoding.h"

namespace wardo::settings {
namespace {

using text::Text;

// The system's profile functions take these as blanks: ASCII white space and the old end-of-file mark.
bool isBlank(wchar_t c) {
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A;
}

Text trimBlanks(const Text& s) {
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Names and values are C strings to the system: they end at the first NUL.
Text cutAtNul(const Text& s) {
    return s.substr(0, s.find(L'\0'));
}

// Only ASCII letters fold, as with the system's functions: "É" and "é" are different names.
bool sameName(const Text& a, const Text& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x + 32);
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y + 32);
        if (x != y) return false;
    }
    return true;
}

enum class LineKind { Blank, Header, Entry };

struct Line {
    size_t begin = 0;  // first character of the line
    size_t end = 0;    // its line break (or the end of the text)
    size_t next = 0;   // first character after the line break
    LineKind kind = LineKind::Blank;
    Text name;
    bool hasValue = false;
    Text value;
};

// A section's lines: the header at `header` (none for the entries before the first header), its body
// from `first` to `last` (excluded).
struct Section {
    Text name;
    bool hasHeader = false;
    size_t header = 0, first = 0, last = 0;
};

// CR LF, a lone CR and a lone LF all end a line.
std::vector<Line> parseLines(const Text& t) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < t.size()) {
        Line line;
        line.begin = pos;
        while (pos < t.size() && t[pos] != L'\r' && t[pos] != L'\n') ++pos;
        line.end = pos;
        if (pos < t.size()) pos += (t[pos] == L'\r' && pos + 1 < t.size() && t[pos + 1] == L'\n') ? 2 : 1;
        line.next = pos;

        size_t b = line.begin, e = line.end;
        while (b < e && isBlank(t[b])) ++b;
        while (e > b && isBlank(t[e - 1])) --e;
        if (b < e && t[b] == L'[') {
            const size_t close = t.find_last_of(L']', e - 1);
            if (close != Text::npos && close > b) {
                line.kind = LineKind::Header;
                line.name = cutAtNul(trimBlanks(t.substr(b + 1, close - b - 1)));
                lines.push_back(std::move(line));
                continue;
            }
        }
        if (b < e) {
            line.kind = LineKind::Entry;
            const size_t eq = t.find(L'=', b);
            if (eq != Text::npos && eq < e) {
                line.name = cutAtNul(trimBlanks(t.substr(b, eq - b)));
                line.hasValue = true;
                line.value = cutAtNul(trimBlanks(t.substr(eq + 1, e - eq - 1)));
            } else {
                line.name = cutAtNul(t.substr(b, e - b));
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<Section> sectionsOf(const std::vector<Line>& lines) {
    std::vector<Section> sections(1);  // the unnamed one before the first header, always there
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Header) continue;
        sections.back().last = i;
        Section s;
        s.name = lines[i].name;
        s.hasHeader = true;
        s.header = i;
        s.first = i + 1;
        sections.push_back(std::move(s));
    }
    sections.back().last = lines.size();
    return sections;
}

// Only the first section of a name counts, as with the system's functions: a later duplicate is never
// searched, even for a key the first one lacks.
const Section* findSection(const std::vector<Section>& sections, const Text& name) {
    for (const auto& s : sections)
        if (sameName(s.name, name)) return &s;
    return nullptr;
}

const Line* findKey(const std::vector<Line>& lines, const Section& s, const Text& key) {
    for (size_t i = s.first; i < s.last; ++i)
        if (lines[i].kind == LineKind::Entry && sameName(lines[i].name, key)) return &lines[i];
    return nullptr;
}

Text cleanName(const Text& s) {
    return trimBlanks(cutAtNul(s));
}

Text oneLine(Text s) {
    for (auto& c : s)
        if (c == L'\r' || c == L'\n') c = L' ';
    return s;
}

const Text kLineBreak = L"\r\n";

}  // namespace

struct ProfileReader::Parsed {
    std::vector<Line> lines;
    std::vector<Section> sections;
};

ProfileReader::ProfileReader(const std::string& content) {
    auto lines = parseLines(decodeProfile(content).text);
    auto sections = sectionsOf(lines);
    parsed_ = std::make_unique<const Parsed>(Parsed{std::move(lines), std::move(sections)});
}

ProfileReader::~ProfileReader() = default;
ProfileReader::ProfileReader(ProfileReader&&) noexcept = default;
ProfileReader& ProfileReader::operator=(ProfileReader&&) noexcept = default;

std::optional<Text> iniRead(const std::string& content, const Text& section, const Text& key) {
    return ProfileReader(content).read(section, key);
}

std::optional<Text> ProfileReader::read(const Text& section, const Text& key) const {
    const Section* s = findSection(parsed_->sections, cleanName(section));
    if (!s) return std::nullopt;
    const Line* entry = findKey(parsed_->lines, *s, cleanName(key));
    if (!entry || !entry->hasValue) return std::nullopt;
    const Text& v = entry->value;
    if (v.size() >= 2 && (v[0] == L'"' || v[0] == L'\'') && v.back() == v[0])
        return v.substr(1, v.size() - 2);
    return v;
}

std::string iniWrite(const std::string& content, const Text& section, const Text& key, const Text& value) {
    auto decoded = decodeProfile(content);
    Text& t = decoded.text;
    const Text sectionName = oneLine(cleanName(section));
    const Text keyName = oneLine(cleanName(key));
    const Text newValue = oneLine(cutAtNul(value));

    const auto lines = parseLines(t);
    const auto sections = sectionsOf(lines);
    const Section* s = findSection(sections, sectionName);
    if (s) {
        if (const Line* entry = findKey(lines, *s, keyName)) {
            t.replace(entry->begin, entry->end - entry->begin, entry->name + L"=" + newValue);
        } else {
            // After the section's last non-blank line, so that blank lines stay between sections.
            const Line* after = s->hasHeader ? &lines[s->header] : nullptr;
            for (size_t i = s->first; i < s->last; ++i)
                if (lines[i].kind != LineKind::Blank) after = &lines[i];
            const Text entryLine = keyName + L"=" + newValue;
            if (!after)
                t.insert(0, entryLine + kLineBreak);
            else if (after->next == after->end)  // the file's last line, without a line break
                t.insert(after->next, kLineBreak + entryLine + kLineBreak);
            else
                t.insert(after->next, entryLine + kLineBreak);
        }
    } else {
        if (!t.empty() && t.back() != L'\r' && t.back() != L'\n') t += kLineBreak;
        t += L"[" + sectionName + L"]" + kLineBreak + keyName + L"=" + newValue + kLineBreak;
    }
    return encodeProfile(t, decoded.encoding);
}

}  // namespace wardo::settings
