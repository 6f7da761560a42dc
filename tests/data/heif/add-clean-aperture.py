import struct, sys

# The HEIF files beside this script were made with Debian's tools and this script:
#   convert -size 1280x720 xc:'#3070c0' -fill '#c03030' -draw "rectangle 300,100 900,600" PNG24:big.png
#   heif-enc -q 30 -o big.heic big.png
#   python3 add-clean-aperture.py big.heic 1280x720-cropped-to-300x300.heic 300 300
# iden-primary-item.heic is big.heic with its coded item's type changed from hvc1 to iden, and
# image-sequence.heic is an ftyp of the sequence brands (msf1, iso8, hevc), a moov and an mdat.
# Adds a clean aperture (clap) of w x h to the primary item of a HEIF written by heif-enc
# (one coded item; meta before mdat) and moves the iloc offsets by the bytes added.
src, dst, w, h = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
d = bytearray(open(src, 'rb').read())
def find(d, s, e, name):
    while s < e:
        size, t = struct.unpack('>I4s', d[s:s+8])
        if t == name: return s, size
        s += size
    raise SystemExit('no ' + name.decode())
meta, msize = find(d, 0, len(d), b'meta')
iloc, _ = find(d, meta+12, meta+msize, b'iloc')
iprp, psize = find(d, meta+12, meta+msize, b'iprp')
ipco, csize = find(d, iprp+8, iprp+psize, b'ipco')
ipma, asize = find(d, iprp+8, iprp+psize, b'ipma')
# the property index of the new box
count = 0; s = ipco + 8
while s < ipco + csize:
    count += 1; s += struct.unpack('>I', d[s:s+4])[0]
clap = struct.pack('>I4s8I', 40, b'clap', w, 1, h, 1, 0, 1, 0, 1)
# ipma: version 0, flags 0: item_ID u16, count u8, one byte per association
assert d[ipma+8] == 0 and d[ipma+11] & 1 == 0
entries = struct.unpack('>I', d[ipma+12:ipma+16])[0]
assert entries == 1
ncount_at = ipma + 16 + 2
d[ncount_at] += 1
insert_assoc_at = ipma + 16 + 3 + d[ncount_at] - 1
added = 40 + 1
d[insert_assoc_at:insert_assoc_at] = bytes([0x80 | (count + 1)])
d[ipco+csize:ipco+csize] = clap  # ipco precedes ipma
for box, delta in ((ipma + 40, 1), (ipco, 40), (iprp, added), (meta, added)):
    struct.pack_into('>I', d, box, struct.unpack('>I', d[box:box+4])[0] + delta)
# iloc: version 0/1, offsets of construction method 0 move by `added`
v = d[iloc+8]; sizes = d[iloc+12]; osz, lsz = sizes >> 4, sizes & 15
bsz = d[iloc+13] >> 4; isz = d[iloc+13] & 15 if v else 0
s = iloc + 14
n = struct.unpack('>H', d[s:s+2])[0]; s += 2
def rd(n_, at): return int.from_bytes(d[at:at+n_], 'big')
for _ in range(n):
    s += 2
    method = 0
    if v in (1, 2): method = struct.unpack('>H', d[s:s+2])[0] & 15; s += 2
    s += 2
    base = rd(bsz, s)
    if bsz and method == 0 and base: d[s:s+bsz] = (base + added).to_bytes(bsz, 'big')
    s += bsz
    ext = struct.unpack('>H', d[s:s+2])[0]; s += 2
    for _ in range(ext):
        s += isz
        off = rd(osz, s)
        if osz and method == 0 and not bsz: d[s:s+osz] = (off + added).to_bytes(osz, 'big')
        s += osz + lsz
open(dst, 'wb').write(d)
