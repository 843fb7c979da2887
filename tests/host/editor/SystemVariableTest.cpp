// System variables: defaults and types, what applications may set, the
// host's own setter for read-only variables, string hand-out and reset.
#include "ChainText.h"
#include "HostTest.h"
#include "acedads.h"
#include "hxhost/Session.h"

#include <cstdlib>
#include <string>

namespace {

class SystemVariableTest : public HostTest {};

// A value of type with the given number or text (caller keeps the text).
resbuf value(short type, double x = 0, double y = 0, double z = 0) {
    resbuf rb{};
    rb.restype = type;
    if (type == RTSHORT)
        rb.resval.rint = static_cast<short>(x);
    else if (type == RTLONG)
        rb.resval.rlong = static_cast<Adesk::Int32>(x);
    else if (type == RTREAL)
        rb.resval.rreal = x;
    else
        rb.resval.rpoint[X] = x, rb.resval.rpoint[Y] = y, rb.resval.rpoint[Z] = z;
    return rb;
}

resbuf text(const wchar_t* s) {
    resbuf rb{};
    rb.restype = RTSTR;
    rb.resval.rstring = const_cast<ACHAR*>(s);
    return rb;
}

// The variable as chainText shows it; a string is the caller's to free with
// acutDelString (done here), "<error>" when acedGetVar refuses.
std::wstring read(const wchar_t* name) {
    resbuf rb{};
    if (acedGetVar(name, &rb) != RTNORM)
        return L"<error>";
    const std::wstring shown = chainText(&rb);
    if (rb.restype == RTSTR) {
        EXPECT_EQ(hxhost::outstanding(hxhost::Resource::String), 1);
        acutDelString(rb.resval.rstring);
    }
    return shown;
}

} // namespace

TEST_F(SystemVariableTest, DefaultsHaveTheirTypesAndValues) {
    const struct {
        const wchar_t* name;
        const wchar_t* shown;
    } cases[] = {{L"errno", L"5003:0"},
                 {L"LUNITS", L"5003:2"},
                 {L"USERR1", L"5001:0"},
                 {L"ucsxdir", L"5009:1,0,0"},
                 {L"ACADVER", L"5005:23.0s (LMS Tech)"}};
    for (const auto& c : cases)
        EXPECT_EQ(read(c.name), c.shown);
    resbuf rb{};
    EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &rb), RTERROR);
    EXPECT_EQ(acedGetVar(L"LUNITS", nullptr), RTERROR);
}

TEST_F(SystemVariableTest, ApplicationsSetWritableVariablesWithinRange) {
    const resbuf seven = value(RTSHORT, 7), three = value(RTLONG, 3), real = value(RTREAL, 2.5),
                 pipes = text(L"管网");
    const struct {
        const wchar_t* name;
        const resbuf* value;
        const wchar_t* shown;
    } cases[] = {{L"ERRNO", &seven, L"5003:7"},
                 {L"useri1", &three, L"5003:3"}, // a long into a short
                 {L"USERR2", &real, L"5001:2.5"},
                 {L"USERS3", &pipes, L"5005:管网"}};
    for (const auto& c : cases) {
        EXPECT_EQ(acedSetVar(c.name, c.value), RTNORM);
        EXPECT_EQ(read(c.name), c.shown);
    }
}

TEST_F(SystemVariableTest, RefusesUnknownReadOnlyMistypedAndOutOfRangeValues) {
    const resbuf one = value(RTSHORT, 1), six = value(RTSHORT, 6), real = value(RTREAL, 1.0),
                 point = value(RT3DPOINT, 0, 1, 0), nullText = text(nullptr);
    struct Case {
        const char* what;
        const wchar_t* name;
        const resbuf* value;
    };
    const Case cases[] = {
        {"unknown name", L"NOSUCHVAR", &one}, {"null value", L"LUNITS", nullptr},
        {"read-only", L"UCSXDIR", &point},    {"real into a short", L"LUNITS", &real},
        {"LUNITS above 5", L"LUNITS", &six},  {"point into a string", L"USERS1", &point},
        {"null string", L"USERS1", &nullText}};
    for (const auto& c : cases)
        EXPECT_EQ(acedSetVar(c.name, c.value), RTERROR) << c.what;
    EXPECT_EQ(read(L"LUNITS"), L"5003:2");
}

TEST_F(SystemVariableTest, TheHostSetsReadOnlyVariablesAndResetRestoresDefaults) {
    const resbuf rotated = value(RT3DPOINT, 0, 1, 0), flat = value(RTPOINT, -1, 0, 9),
                 six = value(RTSHORT, 6), seven = value(RTSHORT, 7), x = text(L"x");
    // How the module reads a rotated UCSXDIR is pinned through tests/util.
    EXPECT_TRUE(hxhost::setSystemVariable(L"UCSXDIR", &rotated));
    EXPECT_TRUE(hxhost::setSystemVariable(L"UCSYDIR", &flat));
    EXPECT_EQ(read(L"UCSYDIR"), L"5009:-1,0,0"); // a 2D point has no height
    EXPECT_FALSE(hxhost::setSystemVariable(L"LUNITS", &six));
    EXPECT_FALSE(hxhost::setSystemVariable(L"UCSXDIR", nullptr));

    ASSERT_EQ(acedSetVar(L"errno", &seven), RTNORM);
    ASSERT_EQ(acedSetVar(L"USERS1", &x), RTNORM);
    hxhost::resetEditor();
    EXPECT_EQ(read(L"errno"), L"5003:0");
    EXPECT_EQ(read(L"USERS1"), L"5005:");
    EXPECT_EQ(read(L"UCSXDIR"), L"5009:1,0,0");
}
