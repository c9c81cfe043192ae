// The smaller services: named functions, the notification area, message boxes, icons, the work
// area, metrics and the version.

#include "TestWindows.h"

#include "platform/gfx/Surface.h"

namespace qx::win::test {
namespace {

class SystemServicesTest : public WindowTest {};

struct ModuleName {
    const char16_t* name;
    bool known;
};

class ModuleNameTest : public SystemServicesTest, public ::testing::WithParamInterface<ModuleName> {};

TEST_P(ModuleNameTest, ModuleNamesMatchWithoutCaseWithOrWithoutDll) {
    HMODULE module = LoadLibraryW(GetParam().name);
    EXPECT_EQ(module != nullptr, GetParam().known);
    if (module) {
        EXPECT_EQ(module, GetModuleHandleW(u"user32"));
        EXPECT_TRUE(FreeLibrary(module));
    }
}

INSTANTIATE_TEST_SUITE_P(Names, ModuleNameTest,
                         ::testing::Values(ModuleName{u"User32.DLL", true}, ModuleName{u"user32", true},
                                           ModuleName{u"USER32.dll", true}, ModuleName{u"user32.dl", false},
                                           ModuleName{u"gdi33", false}, ModuleName{u"", false}));

TEST_F(SystemServicesTest, NamedFunctionsAreOursAndCanBeTakenAway) {
    HMODULE user32 = GetModuleHandleW(u"user32");
    using SwitchFunction = void (*)(HWND, BOOL);
    auto switchTo = reinterpret_cast<SwitchFunction>(GetProcAddress(user32, "SwitchToThisWindow"));
    ASSERT_NE(switchTo, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(switchTo), reinterpret_cast<void*>(&SwitchToThisWindow));
    EXPECT_NE(GetProcAddress(user32, "UpdateLayeredWindow"), nullptr);
    EXPECT_NE(GetProcAddress(user32, "SetLayeredWindowAttributes"), nullptr);
    EXPECT_EQ(GetProcAddress(user32, "updatelayeredwindow"), nullptr) << "function names keep their case";
    EXPECT_EQ(GetProcAddress(user32, "NoSuchFunction"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "SwitchToThisWindow"), nullptr);

    RemoveNamedFunction("User32.DLL", "SwitchToThisWindow");
    EXPECT_EQ(GetProcAddress(user32, "SwitchToThisWindow"), nullptr);
    RestoreNamedFunctions();
    EXPECT_NE(GetProcAddress(user32, "SwitchToThisWindow"), nullptr);
    EXPECT_NE(GetModuleHandleW(nullptr), nullptr) << "the program itself";
    EXPECT_FALSE(FreeLibrary(user32)) << "not loaded by LoadLibraryW";
}

TEST_F(SystemServicesTest, NotifyIconCallsAreLoggedAndTheAreaHoldsTheCurrentSet) {
    HWND owner = Create(WS_POPUP, {0, 0, 0, 0});
    NOTIFYICONDATAW data;
    data.hWnd = owner;
    data.uID = 1025;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_USER + 1;
    data.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(128));
    std::u16string tip = u"栎木网络互联";
    std::copy(tip.begin(), tip.end(), data.szTip);

    EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
    EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &data)) << "the same key twice";
    ASSERT_EQ(CurrentNotifyIcons().size(), 1u);
    EXPECT_EQ(std::u16string(CurrentNotifyIcons()[0].szTip), tip);
    data.uFlags = NIF_ICON;
    EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    data.uFlags = 0;
    EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &data)) << "already gone";
    EXPECT_TRUE(CurrentNotifyIcons().empty());

    const auto& log = NotifyIconLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].message, NIM_ADD);
    EXPECT_TRUE(log[0].result);
    EXPECT_EQ(log[2].message, NIM_DELETE);
    EXPECT_EQ(log[2].data.uFlags, static_cast<UINT>(NIF_ICON));
    EXPECT_FALSE(log[3].result);

    NOTIFYICONDATAW orphan;
    orphan.hWnd = HandleFromId<HWND>(0x777);
    EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &orphan));
}

TEST_F(SystemServicesTest, MessageBoxesGoToTheBackend) {
    HWND owner = CreatePopup({0, 0, 10, 10});
    EXPECT_EQ(MessageBoxW(owner, u"还没有实现", nullptr, MB_OK), IDOK);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].owner, owner);
    EXPECT_EQ(backend.MessageBoxes()[0].type, MB_OK);
}

TEST_F(SystemServicesTest, ApplicationIconIsOneHandleWithAnImage) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(128)), icon);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(129)), nullptr);
    auto image = SurfaceOfIcon(icon);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width(), 32);

    HWND hwnd = CreatePopup({0, 0, 10, 10});
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    EXPECT_EQ(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(SystemServicesTest, WorkAreaMetricsAndVersion) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, (RECT{0, 0, 1920, 1040}));
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETWORKAREA, 0, nullptr, 0));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    EXPECT_GE(LOBYTE(GetVersion()), 4);
}

}  // namespace
}  // namespace qx::win::test
