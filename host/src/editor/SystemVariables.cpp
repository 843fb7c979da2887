// The editor's system variables: a small table of named values with their
// result-buffer type, default, range and whether applications may set them.
//
// Names match without regard to case. acedGetVar hands string values out in
// memory of its own (malloc), counted as host strings until the caller
// releases them with acutDelString.
#include "text/AsciiCase.h"
#include "editor/EditorState.h"
#include "acedads.h"
#include "hxhost/HostControl.h"
#include "hxhost/Session.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <string>

namespace {

struct Value {
    short type = RTNONE;
    long integer = 0;
    double real = 0.0;
    double point[3] = {0.0, 0.0, 0.0};
    std::wstring text;
};

struct Variable {
    Value value;
    bool readOnly = false;
    long low = std::numeric_limits<short>::min();
    long high = std::numeric_limits<short>::max();
};

Variable shortVar(long initial, long low, long high) {
    Variable v;
    v.value.type = RTSHORT;
    v.value.integer = initial;
    v.low = low;
    v.high = high;
    return v;
}

Variable realVar(double initial) {
    Variable v;
    v.value.type = RTREAL;
    v.value.real = initial;
    return v;
}

Variable pointVar(double x, double y, double z) {
    Variable v;
    v.value.type = RT3DPOINT;
    v.value.point[0] = x;
    v.value.point[1] = y;
    v.value.point[2] = z;
    v.readOnly = true;
    return v;
}

Variable stringVar(const wchar_t* initial, bool readOnly) {
    Variable v;
    v.value.type = RTSTR;
    v.value.text = initial;
    v.readOnly = readOnly;
    return v;
}

std::map<std::wstring, Variable> defaults() {
    std::map<std::wstring, Variable> table;
    table[L"ACADVER"] = stringVar(L"23.0s (LMS Tech)", true);
    table[L"CMDECHO"] = shortVar(1, 0, 1);
    table[L"ERRNO"] = shortVar(0, 0, std::numeric_limits<short>::max());
    table[L"INSUNITS"] = shortVar(4, 0, 24);
    table[L"LUNITS"] = shortVar(2, 1, 5);
    table[L"LUPREC"] = shortVar(4, 0, 8);
    table[L"UCSXDIR"] = pointVar(1.0, 0.0, 0.0);
    table[L"UCSYDIR"] = pointVar(0.0, 1.0, 0.0);
    for (int i = 1; i <= 5; ++i) {
        std::wstring n = std::to_wstring(i);
        table[L"USERI" + n] =
            shortVar(0, std::numeric_limits<short>::min(), std::numeric_limits<short>::max());
        table[L"USERR" + n] = realVar(0.0);
        table[L"USERS" + n] = stringVar(L"", false);
    }
    return table;
}

std::map<std::wstring, Variable>& table() {
    static std::map<std::wstring, Variable> s_table = defaults();
    return s_table;
}

Variable* find(const ACHAR* name) {
    if (name == nullptr)
        return nullptr;
    auto it = table().find(hxhost::detail::upperAscii(name));
    return it == table().end() ? nullptr : &it->second;
}

bool integerOf(const resbuf& rb, long& out) {
    if (rb.restype == RTSHORT)
        out = rb.resval.rint;
    else if (rb.restype == RTLONG)
        out = rb.resval.rlong;
    else
        return false;
    return true;
}

// Stores `rb` into the variable when its type fits and it lies in range.
bool assign(Variable& var, const resbuf& rb) {
    Value& v = var.value;
    long integer = 0;
    switch (v.type) {
    case RTSHORT:
        if (!integerOf(rb, integer) || integer < var.low || integer > var.high)
            return false;
        v.integer = integer;
        return true;
    case RTREAL:
        if (integerOf(rb, integer))
            v.real = double(integer);
        else if (rb.restype == RTREAL)
            v.real = rb.resval.rreal;
        else
            return false;
        return true;
    case RT3DPOINT:
        if (rb.restype != RT3DPOINT && rb.restype != RTPOINT)
            return false;
        v.point[0] = rb.resval.rpoint[X];
        v.point[1] = rb.resval.rpoint[Y];
        v.point[2] = rb.restype == RTPOINT ? 0.0 : rb.resval.rpoint[Z];
        return true;
    case RTSTR:
        if (rb.restype != RTSTR || rb.resval.rstring == nullptr)
            return false;
        v.text = rb.resval.rstring;
        return true;
    default:
        return false;
    }
}

} // namespace

int acedGetVar(const ACHAR* name, struct resbuf* result) {
    const Variable* var = find(name);
    if (var == nullptr || result == nullptr)
        return RTERROR;
    const Value& v = var->value;
    switch (v.type) {
    case RTSHORT:
        result->resval.rint = static_cast<short>(v.integer);
        break;
    case RTREAL:
        result->resval.rreal = v.real;
        break;
    case RT3DPOINT:
        std::memcpy(result->resval.rpoint, v.point, sizeof v.point);
        break;
    case RTSTR: {
        std::size_t bytes = (v.text.size() + 1) * sizeof(ACHAR);
        auto* copy = static_cast<ACHAR*>(std::malloc(bytes));
        if (copy == nullptr)
            return RTERROR;
        std::memcpy(copy, v.text.c_str(), bytes);
        result->resval.rstring = copy;
        hxhost::acquired(hxhost::Resource::String);
        break;
    }
    default:
        return RTERROR;
    }
    result->restype = v.type;
    return RTNORM;
}

int acedSetVar(const ACHAR* name, const struct resbuf* value) {
    Variable* var = find(name);
    if (var == nullptr || value == nullptr || var->readOnly)
        return RTERROR;
    return assign(*var, *value) ? RTNORM : RTERROR;
}

namespace hxhost {

bool setSystemVariable(const wchar_t* name, const resbuf* value) {
    Variable* var = find(name);
    return var != nullptr && value != nullptr && assign(*var, *value);
}

namespace detail {
void resetSystemVariables() {
    table() = defaults();
}
} // namespace detail

} // namespace hxhost
