// The process's peak resident memory, for tests that bound what a step may
// take: restart the peak, do the step, read the peak.
#pragma once

// Starts counting the peak afresh from what is resident now.
void restart_peak_memory();
// The peak resident memory since the last restart, in kB.
long peak_resident_kb();
