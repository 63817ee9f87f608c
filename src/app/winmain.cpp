// The Windows GUI entry point. The C runtime of a GUI program may not have
// split the command line; then it is split here and converted to the ANSI
// code page, which is what main() and Qt expect of argv on Windows.
#include <QtGlobal>

#ifdef Q_OS_WIN

#include <windows.h>

#include <shellapi.h>
#include <stdlib.h>
#include <vector>

int main(int argc, char** argv);

namespace {

std::vector<char> toAnsi(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> ansi(size > 0 ? size : 1, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argv)
        return main(__argc, __argv);

    int argc = 0;
    LPWSTR* wideArgv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!wideArgv)
        return -1;
    // The converted strings and the null-terminated pointer array live until
    // main() returns and are freed with these vectors.
    std::vector<std::vector<char>> arguments;
    arguments.reserve(argc);
    std::vector<char*> argv(argc + 1, nullptr);
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(toAnsi(wideArgv[i]));
        argv[i] = arguments.back().data();
    }
    LocalFree(wideArgv);
    return main(argc, argv.data());
}

#endif
