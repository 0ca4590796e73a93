#pragma once
// The compressed-stream form: a 4-byte little-endian signed length, then the LZH code.

class TStream;

// Rewinds both streams, writes Source's size and the code of all of Source to Destination.
void LzhCompress(TStream& Source, TStream& Destination);
// Rewinds both streams, reads the length and unpacks that many bytes into Destination.
// Raises ElzhException when the length is more than the remaining code could ever produce.
void LzhDecompress(TStream& Source, TStream& Destination);
