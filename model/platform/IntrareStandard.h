#pragma once

// While one lives, the process's standard input reads as empty (the null device).
//
// The embedded engine runs its backup tool inside this process, and when a backup file ends too
// soon that tool asks for the next volume on standard input. Started from a terminal, or with a
// pipe left open, the question would wait for an answer forever; an empty input fails the
// restore instead. Guards may overlap (threads): the first one swaps the input, the last one
// gives it back.
class IntrareStandardGoala {
public:
    IntrareStandardGoala();
    ~IntrareStandardGoala();
    IntrareStandardGoala(const IntrareStandardGoala&) = delete;
    IntrareStandardGoala& operator=(const IntrareStandardGoala&) = delete;
};
