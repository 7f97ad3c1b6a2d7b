#pragma once
// Heap allocations of the whole benchmark program. The program's global
// operator new and new[] (every form, throwing or not) count each call before
// taking the memory from malloc; the matching deletes hand it back to free.
// The count covers every thread and never goes down, so a measure reads it
// before and after the code it watches and takes the difference.
long heap_allocations();
