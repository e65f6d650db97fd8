// The help text: a banner, the usage line and one line for each option.
#include "frontend/help.h"

#include <cstdio>

#include "frontend/diagnostics.h"

void write_help() {
  std::printf("mojiroll - Copyright (C) 2026 the mojiroll developers\n");
  std::printf("%s: [option] src-filename dst-filename\n", program_name());
  std::printf("\t-s\tdecode in single-byte mode\n");
  std::printf("\t-m\tdecode in multi-byte mode\n");
  std::printf("\t-h\tdisplay this help and exit\n");
  std::printf("\n");
}
