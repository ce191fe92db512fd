// An entry point shaped like the add-on's, for the fixtures of the export check.
extern "C" __declspec(dllexport) void __stdcall BcwAddOnEntry(void* services) { (void)services; }
