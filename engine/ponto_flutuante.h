#pragma once
// Denormal results flushed to zero and denormal operands read as zero, for
// the whole run: the results compared bit for bit were made that way.
void desliga_denormais();
