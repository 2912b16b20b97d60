#include "Form1.h"
#include "Runtime.h"

int main(int argc, char** argv) {
  return dct::platform::Runtime::Start(argc, argv,
                                       {[] { return std::make_unique<dct::ui::Form1>(); }});
}
