#pragma once

namespace dct::platform::qt {

// Prepares the toolkit as the program does (style, palette, names, the
// toolkit's own texts in Portuguese) and begins a new run of the runtime,
// for hosts (tests, benchmarks, tools) that own the application object.
void ConfigureApplication();

}  // namespace dct::platform::qt
