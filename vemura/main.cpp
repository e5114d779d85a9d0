// vemura entry point: the run itself lives in vemura_run, so that tests can call it in-process.
#include <cstdio>

#include "vemura/vemura_run.h"

int main(int argc, char** argv)
{
    const int code = vemura_run(argc, argv);
    std::fflush(stdout);
    return code;
}
