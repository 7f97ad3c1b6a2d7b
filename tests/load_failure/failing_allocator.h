#pragma once
// The test program's global operator new and delete (every form: plain,
// array, sized, nothrow, aligned) count the blocks they hand out and can be
// made to fail once: armed with n, the n-th allocation from then on throws
// std::bad_alloc (the nothrow forms return null), as memory running out
// would, and the arming ends there. Blocks come from malloc and go back to
// free, so AddressSanitizer sees every release match its allocation.

// The n-th allocation from now fails (n >= 1); replaces an earlier arming.
void fail_allocation(long n);
// No allocation fails any more.
void disarm_allocation_failure();
// Whether the armed failure has happened since the last fail_allocation.
bool allocation_failed();
// Blocks handed out and not yet released.
long live_allocations();
