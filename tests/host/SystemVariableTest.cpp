// System variables: defaults and types, what applications may set, the
// host's own setter for read-only variables, string hand-out and reset.
#include "HostTest.h"
#include "acedads.h"
#include "hxhost/Session.h"

#include <cstdlib>
#include <string>

namespace {

class SystemVariableTest : public HostTest {};

resbuf shortValue(int v) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = static_cast<short>(v);
    return rb;
}

resbuf pointValue(short type, double x, double y, double z) {
    resbuf rb{};
    rb.restype = type;
    rb.resval.rpoint[X] = x;
    rb.resval.rpoint[Y] = y;
    rb.resval.rpoint[Z] = z;
    return rb;
}

resbuf realValue(double v) {
    resbuf rb{};
    rb.restype = RTREAL;
    rb.resval.rreal = v;
    return rb;
}

resbuf stringValue(const wchar_t* s) {
    resbuf rb{};
    rb.restype = RTSTR;
    rb.resval.rstring = const_cast<ACHAR*>(s);
    return rb;
}

// Reads a string variable and releases the host's copy as acutDelString does.
std::wstring readString(const wchar_t* name) {
    resbuf rb{};
    if (acedGetVar(name, &rb) != RTNORM || rb.restype != RTSTR)
        return L"<unreadable>";
    EXPECT_EQ(hxhost::outstanding(hxhost::Resource::String), 1);
    std::wstring text = rb.resval.rstring;
    std::free(rb.resval.rstring);
    hxhost::released(hxhost::Resource::String);
    return text;
}

int readShort(const wchar_t* name) {
    resbuf rb{};
    EXPECT_EQ(acedGetVar(name, &rb), RTNORM) << name;
    EXPECT_EQ(rb.restype, RTSHORT) << name;
    return rb.resval.rint;
}

} // namespace

TEST_F(SystemVariableTest, DefaultsHaveTheirTypesAndValues) {
    struct Case {
        const wchar_t* name;
        int value;
    };
    const Case shorts[] = {{L"errno", 0},   {L"LUNITS", 2},   {L"LUPREC", 4},
                           {L"CMDECHO", 1}, {L"INSUNITS", 4}, {L"USERI1", 0}};
    for (const auto& c : shorts)
        EXPECT_EQ(readShort(c.name), c.value) << c.name;

    resbuf rb{};
    ASSERT_EQ(acedGetVar(L"UCSXDIR", &rb), RTNORM);
    EXPECT_EQ(rb.restype, RT3DPOINT);
    EXPECT_EQ(rb.resval.rpoint[X], 1.0);
    EXPECT_EQ(rb.resval.rpoint[Y], 0.0);
    EXPECT_EQ(rb.resval.rpoint[Z], 0.0);
    ASSERT_EQ(acedGetVar(L"UCSYDIR", &rb), RTNORM);
    EXPECT_EQ(rb.resval.rpoint[Y], 1.0);
    ASSERT_EQ(acedGetVar(L"USERR1", &rb), RTNORM);
    EXPECT_EQ(rb.restype, RTREAL);
    EXPECT_EQ(readString(L"ACADVER"), L"23.0s (LMS Tech)");
}

TEST_F(SystemVariableTest, ApplicationsSetWritableVariablesWithinRange) {
    resbuf seven = shortValue(7);
    EXPECT_EQ(acedSetVar(L"ERRNO", &seven), RTNORM);
    EXPECT_EQ(readShort(L"errno"), 7);

    resbuf four = shortValue(4);
    EXPECT_EQ(acedSetVar(L"lunits", &four), RTNORM);
    EXPECT_EQ(readShort(L"LUNITS"), 4);

    resbuf asLong{};
    asLong.restype = RTLONG;
    asLong.resval.rlong = 0;
    EXPECT_EQ(acedSetVar(L"CMDECHO", &asLong), RTNORM);
    EXPECT_EQ(readShort(L"CMDECHO"), 0);

    resbuf real = realValue(2.5);
    EXPECT_EQ(acedSetVar(L"USERR2", &real), RTNORM);
    resbuf rb{};
    ASSERT_EQ(acedGetVar(L"USERR2", &rb), RTNORM);
    EXPECT_EQ(rb.resval.rreal, 2.5);

    resbuf text = stringValue(L"管网");
    EXPECT_EQ(acedSetVar(L"USERS3", &text), RTNORM);
    EXPECT_EQ(readString(L"USERS3"), L"管网");
}

TEST_F(SystemVariableTest, RefusesUnknownReadOnlyMistypedAndOutOfRangeValues) {
    resbuf one = shortValue(1);
    resbuf six = shortValue(6);
    resbuf minusOne = shortValue(-1);
    resbuf two = shortValue(2);
    resbuf real = realValue(1.0);
    resbuf point = pointValue(RT3DPOINT, 0.0, 1.0, 0.0);
    resbuf nullText = stringValue(nullptr);
    struct Case {
        const char* what;
        const wchar_t* name;
        const resbuf* value;
    };
    const Case cases[] = {
        {"unknown name", L"NOSUCHVAR", &one},        {"null name", nullptr, &one},
        {"null value", L"LUNITS", nullptr},          {"read-only point", L"UCSXDIR", &point},
        {"read-only string", L"ACADVER", &nullText}, {"real into a short", L"LUNITS", &real},
        {"LUNITS above 5", L"LUNITS", &six},         {"LUPREC below 0", L"LUPREC", &minusOne},
        {"CMDECHO above 1", L"CMDECHO", &two},       {"point into a string", L"USERS1", &point},
        {"null string", L"USERS1", &nullText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(acedSetVar(c.name, c.value), RTERROR);
    }
    EXPECT_EQ(readShort(L"LUNITS"), 2);
    EXPECT_EQ(readShort(L"CMDECHO"), 1);

    resbuf rb{};
    EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &rb), RTERROR);
    EXPECT_EQ(acedGetVar(nullptr, &rb), RTERROR);
    EXPECT_EQ(acedGetVar(L"LUNITS", nullptr), RTERROR);
}

TEST_F(SystemVariableTest, TheHostSetsReadOnlyVariables) {
    resbuf rotated = pointValue(RT3DPOINT, 0.0, 1.0, 0.0);
    EXPECT_TRUE(hxhost::setSystemVariable(L"UCSXDIR", &rotated));
    resbuf flat = pointValue(RTPOINT, -1.0, 0.0, 9.0);
    EXPECT_TRUE(hxhost::setSystemVariable(L"UCSYDIR", &flat));

    resbuf rb{};
    ASSERT_EQ(acedGetVar(L"ucsxdir", &rb), RTNORM);
    EXPECT_EQ(rb.resval.rpoint[Y], 1.0);
    ASSERT_EQ(acedGetVar(L"UCSYDIR", &rb), RTNORM);
    EXPECT_EQ(rb.resval.rpoint[X], -1.0);
    EXPECT_EQ(rb.resval.rpoint[Z], 0.0); // a 2D point has no height

    resbuf six = shortValue(6);
    EXPECT_FALSE(hxhost::setSystemVariable(L"LUNITS", &six));
    EXPECT_FALSE(hxhost::setSystemVariable(L"NOSUCHVAR", &rotated));
    EXPECT_FALSE(hxhost::setSystemVariable(L"UCSXDIR", nullptr));
}

TEST_F(SystemVariableTest, ResetEditorRestoresDefaults) {
    resbuf seven = shortValue(7);
    resbuf rotated = pointValue(RT3DPOINT, 0.0, 1.0, 0.0);
    resbuf text = stringValue(L"x");
    ASSERT_EQ(acedSetVar(L"errno", &seven), RTNORM);
    ASSERT_EQ(acedSetVar(L"USERS1", &text), RTNORM);
    ASSERT_TRUE(hxhost::setSystemVariable(L"UCSXDIR", &rotated));

    hxhost::resetEditor();

    EXPECT_EQ(readShort(L"errno"), 0);
    EXPECT_EQ(readString(L"USERS1"), L"");
    resbuf rb{};
    ASSERT_EQ(acedGetVar(L"UCSXDIR", &rb), RTNORM);
    EXPECT_EQ(rb.resval.rpoint[X], 1.0);
}
