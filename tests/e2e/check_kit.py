#!/usr/bin/env python3
"""The host developer's kit, checked from the built files alone (no Wine): the version
resource of each shipped binary, the package zip, and the example host linked by lld.

check_kit.py VERSION ARCH ZIP LLD_HOST BINARY...   (ARCH 32 or 64)
"""
import struct
import sys
import zipfile

MACHINE = {32: 0x14C, 64: 0x8664}
VS_FIXED_SIGNATURE = 0xFEEF04BD
STRINGS = ("FileVersion", "ProductVersion", "FileDescription", "ProductName", "CompanyName",
           "LegalCopyright", "OriginalFilename")


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, nsect, _, _, _, optsize = struct.unpack_from("<HHIIIH", data, pe + 4)
        opt = pe + 24
        magic = struct.unpack_from("<H", data, opt)[0]
        dirs = opt + (96 if magic == 0x10B else 112)
        self.dirs = [struct.unpack_from("<II", data, dirs + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(nsect):
            s = opt + optsize + 40 * i
            vsize, va, rawsize, raw = struct.unpack_from("<IIII", data, s + 8)
            self.sections.append((va, max(vsize, rawsize), raw))

    def at(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("address 0x%x is in no section" % rva)

    def cstr(self, rva):
        o = self.at(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("ascii")

    def exports(self):
        rva, size = self.dirs[0]
        if not size:
            return []
        o = self.at(rva)
        count = struct.unpack_from("<I", self.data, o + 24)[0]
        names = struct.unpack_from("<I", self.data, o + 32)[0]
        return [self.cstr(struct.unpack_from("<I", self.data, self.at(names) + 4 * i)[0]) for i in range(count)]

    def imports(self):
        rva, size = self.dirs[1]
        found = []
        o = self.at(rva)
        while True:
            lookup, _, _, name, first = struct.unpack_from("<IIIII", self.data, o)
            if name == 0:
                return found
            dll = self.cstr(name)
            t = self.at(lookup or first)
            step, flag = (4, 1 << 31) if self.machine == MACHINE[32] else (8, 1 << 63)
            while True:
                entry = struct.unpack_from("<I" if step == 4 else "<Q", self.data, t)[0]
                if entry == 0:
                    break
                if not entry & flag:
                    found.append((dll.lower(), self.cstr((entry & 0x7FFFFFFF) + 2)))
                t += step
            o += 20

    def version_block(self):
        """The bytes of the first RT_VERSION resource."""
        base = self.at(self.dirs[2][0])
        off = base
        for wanted in (16, None, None):  # type, name, language
            n_named, n_id = struct.unpack_from("<HH", self.data, off + 12)
            entries = [struct.unpack_from("<II", self.data, off + 16 + 8 * i) for i in range(n_named + n_id)]
            entry = next((e for e in entries if wanted is None or e[0] == wanted), None)
            if entry is None:
                raise ValueError("no version resource")
            off = base + (entry[1] & 0x7FFFFFFF)
        rva, size = struct.unpack_from("<II", self.data, off)
        o = self.at(rva)
        return self.data[o:o + size]


def parse_block(data, o):
    """One VS_VERSIONINFO-style node: (key, value bytes, children, end)."""
    length, value_len, kind = struct.unpack_from("<HHH", data, o)
    end = o + length
    k = o + 6
    key_end = k
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[k:key_end].decode("utf-16-le")
    v = (key_end + 2 + 3) & ~3
    vbytes = value_len * 2 if kind == 1 else value_len
    value = data[v:v + vbytes]
    children, c = [], (v + vbytes + 3) & ~3
    while c < end:
        child = parse_block(data, c)
        children.append(child)
        c = (child[3] + 3) & ~3
    return key, value, children, end


def check_version(name, pe, version, problems):
    try:
        key, fixed, children, _ = parse_block(pe.version_block(), 0)
    except (ValueError, struct.error, IndexError) as e:
        problems.append("%s: %s" % (name, e))
        return
    sig, _, ms, ls, pms, pls = struct.unpack_from("<IIIIII", fixed, 0)
    major, minor, patch = (int(x) for x in version.split("."))
    want_ms, want_ls = (major << 16) | minor, patch << 16
    if key != "VS_VERSION_INFO" or sig != VS_FIXED_SIGNATURE:
        problems.append("%s: no VS_VERSION_INFO" % name)
    if (ms, ls, pms, pls) != (want_ms, want_ls, want_ms, want_ls):
        problems.append("%s: fixed version is not %s" % (name, version))
    strings = {}
    for child in children:
        if child[0] == "StringFileInfo":
            for table in child[2]:
                for k, v, _, _ in table[2]:
                    strings[k] = v.decode("utf-16-le").rstrip("\0")
    for k in STRINGS:
        if not strings.get(k):
            problems.append("%s: no %s" % (name, k))
    for k in ("FileVersion", "ProductVersion"):
        if strings.get(k) != version:
            problems.append("%s: %s is %r, not %s" % (name, k, strings.get(k), version))
    if strings.get("OriginalFilename", "").lower() != name.lower():
        problems.append("%s: OriginalFilename is %r" % (name, strings.get("OriginalFilename")))


def check_dll(name, pe, arch, problems):
    if pe.machine != MACHINE[arch]:
        problems.append("%s: machine 0x%x is not %d-bit" % (name, pe.machine, arch))
    if pe.exports() != ["ShowFreeDrawImageForm"]:
        problems.append("%s: exports %s" % (name, pe.exports()))


def main():
    version, arch, zip_path, lld_host = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    problems = []
    for path in sys.argv[5:]:
        name = path.replace("\\", "/").rsplit("/", 1)[-1]
        with open(path, "rb") as f:
            check_version(name, Pe(f.read()), version, problems)

    top = "vellumkit-%s-win%d/" % (version, arch)
    want = {top + f for f in ("bin/vellumkit.dll", "bin/optaset.exe", "include/vellumkit.h",
                              "lib/libvellumkit.dll.a", "lib/vellumkit.lib", "README-host.md")}
    with zipfile.ZipFile(zip_path) as z:
        files = {n for n in z.namelist() if not n.endswith("/")}
        if files != want:
            problems.append("the zip holds %s; missing %s" % (sorted(files - want), sorted(want - files)))
        for member, check in ((top + "bin/vellumkit.dll", True), (top + "bin/optaset.exe", False)):
            if member in files:
                pe = Pe(z.read(member))
                name = member.rsplit("/", 1)[-1]
                check_version(name, pe, version, problems)
                if check:
                    check_dll(name, pe, arch, problems)

    with open(lld_host, "rb") as f:
        imports = Pe(f.read()).imports()
    if ("vellumkit.dll", "ShowFreeDrawImageForm") not in imports:
        problems.append("the lld-linked host does not import ShowFreeDrawImageForm from vellumkit.dll")

    for p in problems:
        print(p)
    if not problems:
        print("kit ok (%d-bit, version %s)" % (arch, version))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
