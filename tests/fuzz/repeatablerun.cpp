// libFuzzer's start-up hook, linked into every fuzz target: the target starts once more with
// address randomisation off and Qt's hash seed fixed, so that one seed tries the same inputs on
// every run. libFuzzer records the values our code compares, pointers among them, and mutates
// inputs with them; and the order of a QHash decides which paths an input takes. Where the
// system refuses to fix the addresses, the run goes on with them random and says so.
#include <sys/personality.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    const int persona = personality(0xffffffff);
    const bool fixedAddresses = persona != -1 && (persona & ADDR_NO_RANDOMIZE) != 0;
    const char *seed = getenv("QT_HASH_SEED");
    const bool fixedHashes = seed && strcmp(seed, "0") == 0;
    if (fixedAddresses && fixedHashes)
        return 0;
    // The persona set here holds over the exec; each start fixes what it can, so a second one stops.
    const bool addressesMayBeFixed =
        !fixedAddresses && persona != -1 && personality(persona | ADDR_NO_RANDOMIZE) != -1;
    if (!addressesMayBeFixed && fixedHashes) {
        fprintf(stderr, "INFO: addresses stay random (the system refuses to fix them): a run with the same "
                        "seed may try other inputs\n");
        return 0;
    }
    setenv("QT_HASH_SEED", "0", 1);
    execv("/proc/self/exe", *argv);
    perror("INFO: the fuzz target could not start again with fixed addresses");
    return 0;
}
