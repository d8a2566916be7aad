#!/usr/bin/env python3
"""Loudness of a stretch of a 16-bit WAV file, for the real-output tests.

    wav_level.py FILE [FROM_BYTE [TO_BYTE]]

FROM_BYTE and TO_BYTE are offsets into the file as it grew (sizes seen while
the game wrote it); the stretch between them is read whatever the header
says, since a file still being written has no final header. Prints
"peak P rms R frames N": P and R on the scale of full scale 32767, over all
channels. A missing or empty stretch prints zeros.
"""
import struct
import sys

HEADER = 44


def main():
    path = sys.argv[1]
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        data = b""
    start = int(sys.argv[2]) if len(sys.argv) > 2 else HEADER
    end = int(sys.argv[3]) if len(sys.argv) > 3 else len(data)
    start = max(start, HEADER)
    end = min(end, len(data))
    start += (start - HEADER) % 2  # on a sample boundary
    if end - start < 2:
        print("peak 0 rms 0 frames 0")
        return
    count = (end - start) // 2
    samples = struct.unpack_from("<%dh" % count, data, start)
    peak = max(abs(s) for s in samples)
    rms = (sum(s * s for s in samples) / count) ** 0.5
    print("peak %d rms %d frames %d" % (peak, int(rms), count // 2))


if __name__ == "__main__":
    main()
