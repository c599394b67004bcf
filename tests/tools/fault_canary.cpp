// Commits one deliberate fault, named by its argument, so that tests can show
// the checkers catch it: AddressSanitizer and UndefinedBehaviorSanitizer in
// the sanitized build, valgrind in the plain one. A checker that has stopped
// working lets the fault pass, and the program then says so and exits 0.

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// The volatiles keep the compiler from seeing, and removing, the faults.

[[gnu::noinline]] int canaryHeapOverflow()
{
    volatile int size = 4;
    int *block = new int[size]();
    block[size] = 1; // one past the end
    const int first = block[0];
    delete[] block;
    return first;
}

[[gnu::noinline]] int canaryUndefined()
{
    volatile int big = INT_MAX;
    return big + 1; // signed overflow
}

void *volatile s_sink = nullptr;

[[gnu::noinline]] int canaryLeak()
{
    s_sink = new char[64];
    s_sink = nullptr; // the last pointer to the block is gone
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const char *fault = argc == 2 ? argv[1] : "";
    int result = 0;
    if (std::strcmp(fault, "heap-overflow") == 0) {
        result = canaryHeapOverflow();
    } else if (std::strcmp(fault, "undefined") == 0) {
        result = canaryUndefined();
    } else if (std::strcmp(fault, "leak") == 0) {
        result = canaryLeak();
    } else {
        std::fprintf(stderr, "usage: fault_canary heap-overflow|undefined|leak\n");
        return 2;
    }
    std::printf("fault_canary: %s went unnoticed (%d)\n", fault, result);
    return 0;
}
