// A DLL placed beside the shell's tests as a browser could leave one beside the picker in Downloads:
// the tests check that it is never loaded by name, nor its one function found.
extern "C" __declspec(dllexport) void planted() {}
