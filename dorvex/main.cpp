// dorvex entry point: the run itself lives in dorvex_run, so that tests can call it in-process.
#include <cstdio>

#include "dorvex/dorvex_run.h"

int main(int argc, char** argv)
{
    const int code = dorvex_run(argc, argv);
    std::fflush(stdout);
    return code;
}
