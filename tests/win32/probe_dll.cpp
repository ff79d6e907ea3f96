// A DLL that exports one function and needs nothing but the system.
extern "C" __declspec(dllexport) int varnixProbe()
{
    return 1;
}
