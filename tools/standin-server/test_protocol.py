"""Checks the stand-in's wire formats against hand-written bytes of the protocol."""

import resource
import struct
import time
import unittest
import zlib

import protocol


class MessageText(unittest.TestCase):
    def test_written_text(self):
        self.assertEqual(protocol.message_text("s", {"FN": "a_b", "x": "1=2"}), "#SIGN=s#FN=a_b#x=1/=2#[END]")
        self.assertEqual(protocol.message_text("s", {"v": "a#b=c", "k": ""}), "#SIGN=s#k=#v=a/#b/=c#[END]")

    def test_parsed_text(self):
        cases = [
            ("#SIGN=s#FN=a_b#x=1/=2#", {"SIGN": "s", "FN": "a_b", "x": "1=2"}),
            ("#k=a=b#", {"k": "a"}),
            ("#a=1#junk#b=2#", {"a": "1", "b": "2"}),
            ("#k=1#k=2#", {"k": "2"}),
            ("#a=x/#b=y#", {"a": "x#b"}),
        ]
        for text, expected in cases:
            with self.subTest(text=text):
                self.assertEqual(protocol.parse_message(text), expected)

    def test_repeated_piece_is_read_once(self):
        a, b = "#SIGN=s#FN=x_a#", "#SIGN=s#FN=x_b#"
        fns = [m["FN"] for m in protocol.parse_text(a + "[END]" + a + "[END]" + b + "[END]" + a + "[END]")]
        self.assertEqual(fns, ["x_a", "x_b", "x_a"])


class Frames(unittest.TestCase):
    def test_frame_layouts(self):
        self.assertEqual(protocol.json_frame({"a": 1}), b"\x00\x00\x00\x07" + b'{"a":1}')
        frame = protocol.text_frame("#SIGN=s#[END]")
        self.assertEqual(frame[:4], struct.pack(">I", 13))
        self.assertTrue(frame.endswith(b"#ENDMSG"))
        self.assertEqual(zlib.decompress(frame[4:-7]), b"#SIGN=s#[END]")

    def test_decoder_handles_any_split(self):
        stream = (protocol.text_frame("#SIGN=s#FN=a_b#[END]")
                  + protocol.json_frame({"n": "#ENDMSG"})
                  + protocol.text_frame("#SIGN=s#FN=c_d#[END]"))
        whole = protocol.Decoder().feed(stream)
        self.assertEqual([kind for kind, _ in whole], ["text", "json", "text"])
        for cut in range(1, len(stream)):
            decoder = protocol.Decoder()
            self.assertEqual(decoder.feed(stream[:cut]) + decoder.feed(stream[cut:]), whole)
        decoder = protocol.Decoder()
        self.assertEqual([frame for i in range(len(stream)) for frame in decoder.feed(stream[i:i + 1])], whole)

    def test_bad_headers(self):
        for data in (b"\x7f\xff\xff\xff{", b"GET / HTTP/1.1\r\n", b"\xff\xff\xff\xfb{"):
            with self.subTest(data=data):
                with self.assertRaises(protocol.ProtocolError):
                    protocol.Decoder().feed(data)


def zeros_frame(count, declared):
    """A text frame of count zero bytes declaring declared bytes, compressed in pieces."""
    compressor = zlib.compressobj(9)
    piece = bytes(1 << 20)
    body = b"".join(compressor.compress(piece[:min(len(piece), count - done)])
                    for done in range(0, count, len(piece)))
    return struct.pack(">I", declared) + body + compressor.flush() + protocol.END_MARKER


class HostileFrames(unittest.TestCase):
    def test_refused_frames(self):
        peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        cases = {
            "not zlib": struct.pack(">I", 10) + b"\x78garbage" + protocol.END_MARKER,
            "256 MiB declared as 10 bytes": zeros_frame(256 << 20, 10),
            "one byte over": zeros_frame(11, 10),
            "one byte short": zeros_frame(9, 10),
            "junk after the stream": zeros_frame(10, 10)[:-7] + b"junk" + protocol.END_MARKER,
            "not UTF-8": struct.pack(">I", 2) + zlib.compress(b"\xff\xfe") + protocol.END_MARKER,
            "nested 200,000 deep": struct.pack(">i", 400006) + b'{"a":' + b"[" * 200000 + b"]" * 200000 + b"}",
            "no object": struct.pack(">i", 3) + b"{}]",
            "empty frame, wrong marker": b"\0\0\0\0#ENDMSX",
        }
        for case, data in cases.items():
            with self.subTest(case=case):
                with self.assertRaises(protocol.ProtocolError):
                    protocol.Decoder().feed(data)
        grown_kib = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss - peak
        self.assertLess(grown_kib, 64 * 1024, "a frame is never inflated past its declared size")

    def test_frames_without_text_are_skipped(self):
        stream = (b"\0\0\0\0" + protocol.END_MARKER + protocol.text_frame("")
                  + protocol.text_frame("#SIGN=s#FN=a_b#[END]") + b"\0\0\0\0" + protocol.END_MARKER)
        for cut in range(1, len(stream)):
            decoder = protocol.Decoder()
            frames = decoder.feed(stream[:cut]) + decoder.feed(stream[cut:])
            self.assertEqual(frames, [("text", "#SIGN=s#FN=a_b#[END]")])
            self.assertEqual(decoder.buffer, bytearray())

    def test_an_unterminated_frame_costs_linear_time(self):
        # 16 MiB in 4 KiB reads; searching the whole buffer again after each read scans 32 GiB.
        decoder = protocol.Decoder()
        started = time.process_time()
        decoder.feed(struct.pack(">I", 10) + b"\x78")
        chunk = bytes(4096)
        for count in range(1, 4097):
            self.assertEqual(decoder.feed(chunk), [])
            self.assertLess(time.process_time() - started, 2.0, "CPU time spent after %d KiB" % (count * 4))
        # The end marker still ends the frame, here split over two reads.
        with self.assertRaisesRegex(protocol.ProtocolError, "no zlib stream"):
            decoder.feed(protocol.END_MARKER[:3])
            decoder.feed(protocol.END_MARKER[3:])


if __name__ == "__main__":
    unittest.main()
