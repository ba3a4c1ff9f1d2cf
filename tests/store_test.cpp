// The registry accessor: the bytes the clock reads, robust reads of what others wrote, and the messages.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "store/Registry.h"
#include "store/SettingsLayout.h"
#include "support/Sandbox.h"
#include "ui/Error.h"

namespace {

using Bytes = std::vector<BYTE>;

constexpr wchar_t kTestKey[] = L"software\\quillmoor\\orbin\\init";

// Text as the registry holds it: UTF-16 little-endian, no terminator added.
Bytes Utf16(const std::wstring& text) {
    Bytes bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    return bytes;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct RawValue {
    DWORD type = REG_NONE;
    Bytes data;
};

class StoreTest : public testing::Test {
protected:
    void TearDown() override { store::SetRegistryFaults({}); }

    // The raw registry API, beside the accessor under test.
    static RawValue ReadRaw(const wchar_t* name) {
        ui::RegKey key = OpenRaw();
        RawValue value;
        DWORD size = 0;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExW(key.Get(), name, nullptr, &value.type, nullptr, &size)) << name;
        value.data.resize(size);
        RegQueryValueExW(key.Get(), name, nullptr, &value.type, value.data.data(), &size);
        return value;
    }
    static void WriteRaw(const wchar_t* name, DWORD type, const Bytes& data) {
        ui::RegKey key = OpenRaw();
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key.Get(), name, 0, type, data.empty() ? nullptr : data.data(),
                                                static_cast<DWORD>(data.size())));
    }
    static bool RawKeyExists(const wchar_t* path) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    static ui::RegKey OpenRaw() {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        return ui::RegKey(key);
    }
    static std::wstring ErrorOf(const std::function<void()>& operation) {
        try {
            operation();
        } catch (const ui::Error& e) {
            return e.Message();
        }
        return L"(no error)";
    }

    testbed::RegistrySandbox sandbox_;
};

TEST_F(StoreTest, WritesTheBytesTheClockReads) {
    struct Case {
        const wchar_t* name;
        std::function<void(store::RegistryAccessor&)> write;
        DWORD type;
        Bytes data;
    };
    const Case cases[] = {
        {L"c1", [](auto& r) { r.WriteInteger(L"c1", 0x00332211); }, REG_DWORD, {0x11, 0x22, 0x33, 0x00}},
        {L"t1", [](auto& r) { r.WriteInteger(L"t1", -2); }, REG_DWORD, {0xFE, 0xFF, 0xFF, 0xFF}},
        {L"tc", [](auto& r) { r.WriteBool(L"tc", true); }, REG_DWORD, {1, 0, 0, 0}},
        {L"hm", [](auto& r) { r.WriteBool(L"hm", false); }, REG_DWORD, {0, 0, 0, 0}},
        {L"f1", [](auto& r) { r.WriteString(L"f1", L"Tahoma \u00fc"); }, REG_SZ, Utf16(L"Tahoma \u00fc") + Bytes{0, 0}},
        {L"f2", [](auto& r) { r.WriteString(L"f2", L""); }, REG_SZ, {0, 0}},
        {L"dt",
         [](auto& r) { r.WriteTime(L"dt", 45000.75); },
         REG_BINARY,
         {0x00, 0x00, 0x00, 0x00, 0x18, 0xF9, 0xE5, 0x40}},
    };
    store::RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(store::kSettingsKey, true));
    for (const Case& c : cases) {
        c.write(registry);
        RawValue raw = ReadRaw(c.name);
        EXPECT_EQ(c.type, raw.type) << c.name;
        EXPECT_EQ(c.data, raw.data) << c.name;
    }
}

TEST_F(StoreTest, ReadsWhatAnotherProgramMayHaveWritten) {
    struct Case {
        const wchar_t* name;
        DWORD type;
        Bytes data;
        std::wstring expected;
    };
    const std::wstring longText(5000, L'x');
    const Case texts[] = {
        {L"plain", REG_SZ, Utf16(L"C:\\a.wav") + Bytes{0, 0}, L"C:\\a.wav"},
        {L"expand", REG_EXPAND_SZ, Utf16(L"%WINDIR%\\a.wav") + Bytes{0, 0}, L"%WINDIR%\\a.wav"},
        {L"empty", REG_SZ, {}, L""},
        {L"unterminated", REG_SZ, Utf16(L"abc"), L"abc"},
        {L"odd", REG_SZ, Utf16(L"ab") + Bytes{0x41}, L"ab"},
        {L"embedded", REG_SZ, Utf16(L"ab") + Bytes{0, 0} + Utf16(L"cd") + Bytes{0, 0}, L"ab"},
        {L"long", REG_SZ, Utf16(longText), longText},
    };
    for (const Case& c : texts) WriteRaw(c.name, c.type, c.data);
    WriteRaw(L"ra", REG_DWORD, {0xE8, 0x03, 0x00, 0x80});
    WriteRaw(L"eb", REG_DWORD, {0x00, 0x01, 0x00, 0x00});
    WriteRaw(L"ld", REG_DWORD, {0, 0, 0, 0});
    WriteRaw(L"at", REG_BINARY, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x40});

    store::RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(store::kSettingsKey, false));
    for (const Case& c : texts) EXPECT_EQ(c.expected, registry.ReadString(c.name)) << c.name;
    EXPECT_EQ(static_cast<int>(0x800003E8u), registry.ReadInteger(L"ra"));
    EXPECT_TRUE(registry.ReadBool(L"eb"));  // any non-zero value
    EXPECT_FALSE(registry.ReadBool(L"ld"));
    EXPECT_EQ(2.5, registry.ReadTime(L"at"));
}

TEST_F(StoreTest, EveryFailedReadNamesItsValue) {
    struct Case {
        DWORD type;
        Bytes data;
        std::function<void(const store::RegistryAccessor&, const wchar_t*)> read;
        const wchar_t* expected;
    };
    auto integer = [](const store::RegistryAccessor& r, const wchar_t* n) { r.ReadInteger(n); };
    auto boolean = [](const store::RegistryAccessor& r, const wchar_t* n) { r.ReadBool(n); };
    auto text = [](const store::RegistryAccessor& r, const wchar_t* n) { r.ReadString(n); };
    auto time = [](const store::RegistryAccessor& r, const wchar_t* n) { r.ReadTime(n); };
    constexpr DWORD kMissing = ~0u;
    const Bytes eight{0, 0, 0, 0, 0, 0, 0x04, 0x40};
    const Case cases[] = {
        {REG_SZ, Utf16(L"1") + Bytes{0, 0}, integer, L"Invalid data type for '%s'"},
        {REG_SZ, Utf16(L"a long text") + Bytes{0, 0}, integer, L"Invalid data type for '%s'"},
        {REG_BINARY, {1, 0, 0, 0}, boolean, L"Invalid data type for '%s'"},
        {REG_DWORD, {1, 0, 0, 0, 0, 0, 0, 0}, integer, L"Failed to get data for '%s'"},
        {REG_DWORD, {1, 0}, integer, L"Failed to get data for '%s'"},
        {kMissing, {}, integer, L"Failed to get data for '%s'"},
        {REG_DWORD, {1, 0, 0, 0}, text, L"Invalid data type for '%s'"},
        {REG_BINARY, Utf16(L"C:\\a.wav"), text, L"Invalid data type for '%s'"},
        {kMissing, {}, text, L"Failed to get data for '%s'"},
        {REG_BINARY, {0, 0, 0, 0}, time, L"Invalid data type for '%s'"},
        {REG_BINARY, eight + Bytes{0, 0, 0, 0}, time, L"Invalid data type for '%s'"},
        {REG_DWORD, {1, 0, 0, 0}, time, L"Invalid data type for '%s'"},
        {kMissing, {}, time, L"Failed to get data for '%s'"},
    };
    int index = 0;
    for (const Case& c : cases) {
        std::wstring name = L"v" + std::to_wstring(index++);
        if (c.type != kMissing) WriteRaw(name.c_str(), c.type, c.data);
        store::RegistryAccessor registry;
        ASSERT_TRUE(registry.OpenKey(store::kSettingsKey, false));
        EXPECT_EQ(ui::FormatMessageText(c.expected, name), ErrorOf([&] { c.read(registry, name.c_str()); }))
            << "case " << index - 1;
    }
}

TEST_F(StoreTest, AFailedWriteNamesItsValueAndWritesNothing) {
    store::SetRegistryFaults({.failWrite = [](const std::wstring& name) { return name == L"s1"; }});
    store::RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(store::kSettingsKey, true));
    const std::function<void()> writes[] = {
        [&] { registry.WriteInteger(L"s1", 25); },
        [&] { registry.WriteBool(L"s1", true); },
        [&] { registry.WriteString(L"s1", L"25"); },
        [&] { registry.WriteTime(L"s1", 1.5); },
    };
    for (const auto& write : writes) EXPECT_EQ(L"Failed to set data for 's1'", ErrorOf(write));
    EXPECT_FALSE(registry.ValueExists(L"s1"));
    registry.WriteInteger(L"s2", 25);  // only the named value fails
    EXPECT_TRUE(registry.ValueExists(L"s2"));
}

TEST_F(StoreTest, WithoutAnOpenKeyNothingIsReadOrWritten) {
    store::RegistryAccessor registry;
    EXPECT_FALSE(registry.ValueExists(L"c1"));
    EXPECT_EQ(L"Failed to get data for 'c1'", ErrorOf([&] { registry.ReadInteger(L"c1"); }));
    EXPECT_EQ(L"Failed to set data for 'c1'", ErrorOf([&] { registry.WriteInteger(L"c1", 1); }));
    std::vector<std::wstring> names{L"stale"};
    registry.GetValueNames(names);
    EXPECT_TRUE(names.empty());
}

TEST_F(StoreTest, BothSpellingsOfAPathOpenTheSameKeyFromTheRoot) {
    {
        store::RegistryAccessor registry;
        EXPECT_FALSE(registry.OpenKey(store::kSettingsKeyForLoad, false));  // missing, not created
        EXPECT_FALSE(RawKeyExists(kTestKey));
        ASSERT_TRUE(registry.OpenKey(store::kSettingsKeyForLoad, true));
        registry.WriteInteger(L"ab", 200);
        // Opening another key replaces the open one, and is taken from the root, not below the open key.
        ASSERT_TRUE(registry.OpenKey(store::kSoundsKey, true));
        registry.WriteString(L"7", L"C:\\a.wav");
        EXPECT_FALSE(registry.ValueExists(L"ab"));
    }
    EXPECT_TRUE(RawKeyExists(L"software\\quillmoor\\orbin\\sounds"));
    store::RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(store::kSettingsKey, false));
    EXPECT_EQ(200, registry.ReadInteger(L"ab"));
}

TEST_F(StoreTest, AKeyThatCannotBeOpenedIsNotCreated) {
    store::SetRegistryFaults({.failOpen = [](const std::wstring& path) { return path == store::kSoundsKey; }});
    store::RegistryAccessor registry;
    EXPECT_FALSE(registry.OpenKey(store::kSoundsKey, true));
    EXPECT_FALSE(RawKeyExists(L"software\\quillmoor\\orbin\\sounds"));
    EXPECT_TRUE(registry.OpenKey(store::kRunKey, true));
}

TEST_F(StoreTest, ValueNamesReplaceTheListAndExistenceIgnoresTheType) {
    const std::wstring longName(300, L'n');  // longer than a first guess at the buffer
    WriteRaw(L"alarm", REG_SZ, Utf16(L"a") + Bytes{0, 0});
    WriteRaw(L"00", REG_DWORD, {1, 0, 0, 0});
    WriteRaw(longName.c_str(), REG_BINARY, {});
    store::RegistryAccessor registry;
    ASSERT_TRUE(registry.OpenKey(store::kSettingsKey, false));
    std::vector<std::wstring> names{L"stale"};
    registry.GetValueNames(names);
    EXPECT_EQ((std::set<std::wstring>{L"alarm", L"00", longName}), std::set<std::wstring>(names.begin(), names.end()));
    EXPECT_EQ(3u, names.size());
    for (const auto& name : names) EXPECT_TRUE(registry.ValueExists(name));
    EXPECT_FALSE(registry.ValueExists(L"0"));
    EXPECT_TRUE(registry.DeleteValue(L"00"));
    EXPECT_FALSE(registry.ValueExists(L"00"));
    EXPECT_FALSE(registry.DeleteValue(L"00"));
}

TEST_F(StoreTest, AnAccessorIsReleasedAlsoWhenItsOperationFails) {
    int before = store::RegistryAccessor::LiveCount();
    try {
        store::RegistryAccessor registry;
        EXPECT_EQ(before + 1, store::RegistryAccessor::LiveCount());
        registry.OpenKey(store::kSettingsKey, true);
        registry.ReadInteger(L"missing");
    } catch (const ui::Error&) {
    }
    EXPECT_EQ(before, store::RegistryAccessor::LiveCount());
}

TEST(SettingsLayoutTest, TheSettingsValuesInWriteOrderWithTheirTypes) {
    std::wstring names, types;
    for (const auto& value : store::kSettingsValues) {
        names += std::wstring(value.name) + L" ";
        types += L"IBTD"[static_cast<int>(value.type)];
    }
    EXPECT_EQ(
        L"c1 c2 c3 c4 f1 f2 f3 s1 s2 s3 t1 t2 t3 tc ab hm edt dt eat at esnd gst eb cdf dbs ld tf rh ra hdr hbto "
        L"bto bml bsp bap scoh scoa ",
        names);
    EXPECT_EQ(L"IIIITTTIIIIIIBIBBDBDBBBBBBBBIBBBBBBBB", types);
}

}  // namespace
