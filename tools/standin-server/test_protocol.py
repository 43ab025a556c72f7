"""Checks the stand-in's wire formats against hand-written bytes of the protocol."""

import struct
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

    def test_bad_headers(self):
        for data in (b"\x7f\xff\xff\xff{", b"GET / HTTP/1.1\r\n", b"\xff\xff\xff\xfb{"):
            with self.subTest(data=data):
                with self.assertRaises(protocol.ProtocolError):
                    protocol.Decoder().feed(data)


if __name__ == "__main__":
    unittest.main()
