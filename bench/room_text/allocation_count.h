// Every allocation of the benchmark program counted (operator new is replaced in allocation_count.cpp),
// so that a read that allocates per line shows it.
#pragma once

long long allocationCount();
