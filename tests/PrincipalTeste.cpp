// The main of a program that gathers many test files: each file's own QTest main is renamed
// principal_<file> at build time, and the first argument names the one to run, so every test
// still runs in a process of its own while the tree links a few programs instead of dozens.
#include <cstdio>
#include <cstring>

#define TEST(nume) int principal_##nume(int, char**);
#include "TesteGrup.inc"
#undef TEST

namespace {
struct Test {
    const char* nume;
    int (*principal)(int, char**);
};

const Test teste[] = {
#define TEST(nume) {#nume, principal_##nume},
#include "TesteGrup.inc"
#undef TEST
};
} // namespace

int main(int argc, char** argv) {
    if (argc >= 2) {
        for (const Test& t : teste) {
            if (std::strcmp(argv[1], t.nume) != 0) continue;
            argv[1] = argv[0];
            return t.principal(argc - 1, argv + 1);
        }
    }
    std::fprintf(stderr, "Folosire: %s <test> [optiuni QTest]\nTeste:\n", argc > 0 ? argv[0] : "teste");
    for (const Test& t : teste)
        std::fprintf(stderr, "  %s\n", t.nume);
    return 2;
}
