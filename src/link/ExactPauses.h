#pragma once
// The protocol's pauses are short and exact (10, 30, 50 ms): on a busy
// machine the kernel wakes a sleeping thread late by up to a few
// milliseconds, which adds up over the hundreds of exchanges of a transfer.
// This asks, for the calling thread only and best effort, for no timer
// slack and a short scheduling slice, so the thread runs as soon as its
// pause is over. It changes neither priority nor fairness.
void requestExactPauses();
