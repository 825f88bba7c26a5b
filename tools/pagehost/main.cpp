// pagehost: stands in for the PDF application. See PageHost.h.
#include <cstdio>

#include "PageHost.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  pagehost::HostOptions opt;
  std::string error;
  if (!pagehost::ParseHostArgs(args, opt, error)) {
    std::fprintf(stderr, "pagehost: %s\n%s", error.c_str(), pagehost::HostUsage().c_str());
    return 1;
  }
  if (opt.ShowHelp) {
    std::printf("%s", pagehost::HostUsage().c_str());
    return 0;
  }
  return pagehost::RunHost(opt);
}
