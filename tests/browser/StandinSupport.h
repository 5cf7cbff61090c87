// Driving the scripted browser stand-in from a test: registering it for the
// browser's class in this test's own Wine prefix, giving each test a script
// and a log of its own, and reading that log back.
#pragma once

#include <string>
#include <vector>

namespace test {

// One line of the stand-in's log: "<source> <kind> <name> key=value ...".
struct StandinLine {
    std::wstring source;
    std::wstring kind;
    std::wstring name;
    std::vector<std::pair<std::wstring, std::wstring>> fields;

    // The field's value; empty when absent.
    std::wstring Field(const wchar_t* key) const;
    bool Is(const wchar_t* lineKind, const wchar_t* lineName) const {
        return kind == lineKind && name == lineName;
    }
};

// Sets the script (UTF-8 text) and a fresh log for the controls created from
// now on; both files live in the test's scratch folder under name.
class StandinRun {
public:
    StandinRun(const std::wstring& name, const std::string& script);

    std::vector<StandinLine> Log() const;
    // The lines of one kind and name, in order.
    std::vector<StandinLine> Lines(const wchar_t* kind, const wchar_t* name) const;

private:
    std::wstring logPath_;
};

} // namespace test
