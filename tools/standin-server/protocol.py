"""Wire formats of the platform protocol, written from the protocol description alone.

Two framings share one TCP stream:
  JSON frame: 4-byte big-endian signed length, then one compact UTF-8 JSON object.
  Text frame: 4-byte big-endian uncompressed size, a zlib stream of the UTF-8 message
              text, then the 7 bytes b"#ENDMSG".
A message text is "#SIGN=" + sign + "#key=value"... + "#[END]"; in values "#" is written
"/#" and "=" is written "/=".
"""

import json
import re
import struct
import zlib

END_MARKER = b"#ENDMSG"
MAX_FRAME = 64 * 1024 * 1024

_HASH_SPLIT = re.compile(r"(?<=[^/])#")
_EQ_SPLIT = re.compile(r"(?<=[^/])=")


def escape(value):
    return str(value).replace("#", "/#").replace("=", "/=")


def unescape(value):
    return value.replace("/#", "#").replace("/=", "=")


def message_text(sign, entries):
    """One message: entries in ascending key order, as a sorted map writes them."""
    body = "".join("#%s=%s" % (key, escape(entries[key])) for key in sorted(entries))
    return "#SIGN=" + sign + body + "#[END]"


def parse_message(text):
    if text.startswith("#"):
        text = text[1:]
    if text.endswith("#"):
        text = text[:-1]
    result = {}
    for piece in _HASH_SPLIT.split(text):
        if not piece:
            continue
        parts = _EQ_SPLIT.split(piece)
        if len(parts) < 2:
            continue
        result[parts[0]] = unescape(parts[1])
    return result


def iter_text(text):
    """Messages of one decoded text frame, one at a time; a piece equal to the previous one is
    skipped."""
    last = None
    start = 0
    while start < len(text):
        end = text.find("[END]", start)
        if end < 0:
            end = len(text)
        piece = text[start:end]
        start = end + len("[END]")
        if not piece or piece == last:
            continue
        last = piece
        yield parse_message(piece)


def parse_text(text):
    return list(iter_text(text))


def text_frame(text):
    data = text.encode("utf-8")
    return struct.pack(">I", len(data)) + zlib.compress(data, 9) + END_MARKER


def json_frame(obj):
    data = json.dumps(obj, separators=(",", ":"), ensure_ascii=False).encode("utf-8")
    return struct.pack(">i", len(data)) + data


class ProtocolError(Exception):
    pass


def inflate(compressed, size):
    """The zlib stream's data, which must be exactly size bytes; never inflates more than that."""
    inflater = zlib.decompressobj()
    try:
        data = inflater.decompress(compressed, size + 1)
    except zlib.error as error:
        raise ProtocolError("text frame is no zlib stream: %s" % error) from None
    if len(data) != size or not inflater.eof or inflater.unused_data:
        raise ProtocolError("text frame does not decompress to its declared %d bytes" % size)
    return data


def load_json(payload):
    try:
        obj = json.loads(payload.decode("utf-8"))
    except (ValueError, RecursionError) as error:
        raise ProtocolError("JSON frame is not JSON: %s" % str(error)[:200]) from None
    if not isinstance(obj, dict):
        raise ProtocolError("JSON frame holds no object")
    return obj


class Decoder:
    """Cuts a byte stream into ("json", dict) and ("text", str) frames; text frames without text
    (qCompress of an empty text is its 4-byte size alone) are skipped."""

    def __init__(self):
        self.buffer = bytearray()
        # Where the end marker of the text frame at the buffer's start is looked for next: the
        # bytes before it were searched already.
        self.search_from = 4

    def feed(self, data):
        self.buffer.extend(data)
        frames = []
        while len(self.buffer) > 4:
            (length,) = struct.unpack(">i", bytes(self.buffer[:4]))
            first = self.buffer[4]
            if first == ord("{"):
                if length <= 0 or length > MAX_FRAME:
                    raise ProtocolError("bad JSON length %d" % length)
                if len(self.buffer) < 4 + length:
                    break
                payload = bytes(self.buffer[4:4 + length])
                del self.buffer[:4 + length]
                frames.append(("json", load_json(payload)))
            elif first == 0x78:
                if length < 0 or length > MAX_FRAME:
                    raise ProtocolError("bad text size %d" % length)
                end = self.buffer.find(END_MARKER, self.search_from)
                if end < 0:
                    if len(self.buffer) > MAX_FRAME:
                        raise ProtocolError("text frame without end")
                    self.search_from = max(4, len(self.buffer) - len(END_MARKER) + 1)
                    break
                data = inflate(bytes(self.buffer[4:end]), length)
                del self.buffer[:end + len(END_MARKER)]
                self.search_from = 4
                try:
                    text = data.decode("utf-8")
                except UnicodeDecodeError as error:
                    raise ProtocolError("text frame is not UTF-8: %s" % error) from None
                if text:
                    frames.append(("text", text))
            elif length == 0 and first == END_MARKER[0]:
                marker = bytes(self.buffer[4:4 + len(END_MARKER)])
                if not END_MARKER.startswith(marker):
                    raise ProtocolError("empty text frame without its end marker")
                if len(marker) < len(END_MARKER):
                    break
                del self.buffer[:4 + len(END_MARKER)]
            else:
                raise ProtocolError("unknown frame kind 0x%02x" % first)
        return frames
