#!/usr/bin/env python3
"""Regenerates the sample files of this folder.

The raw measurements (calibration steps, test steps with their timed standpipe readings) come from a
small model of a probe in a silty soil; everything the program computes (H of the calibration, the
curve coefficients, dH ... r of the test, Po ... E and the calculation text) is computed by vek
itself:

    samples/make_samples.py build-dir/app/vek

The old-generation files (.cdf, .ddf) are written directly in their layout, in kgf/cm2; their curve
coefficients are the regression vek fits to their calibration rows, taken back to kgf/cm2, and the
results the .ddf holds (dH ... r of every step, Po ... E) are what vek computes from the file's own
readings, calibration and probe, taken back to kgf/cm2.
"""
import math
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = "\r\n"


def sjis(text):
    return text.encode("cp932")


def write(path, lines):
    with open(path, "wb") as f:
        for line in lines:
            f.write(sjis(line) + CRLF.encode())


# Calibration of the probe on its own: H = 0.2 P + 0.0002 P^2 (P in kN/m2, H in cm).
H0_CAL = 3.0
CAL_P = [0, 10, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 230, 260, 300]


def cal_h(p):
    return 0.2 * p + 0.0002 * p * p


def membrane_p(h):
    return (-0.2 + math.sqrt(0.04 + 0.0008 * h)) / 0.0004


# The soil: borehole wall radius r (cm) against the effective pressure Pe (kN/m2).
RO, L, AC = 4.0, 60.0, 108.5
PO, PY = 120.0, 950.0


def soil_r(pe):
    if pe <= PO:
        return RO + 0.40 * (max(pe, 0.0) / PO) ** 0.35
    r = RO + 0.40 + (pe - PO) * 0.1 / 150.0  # K about 150 MN/m3 in the elastic range
    if pe > PY:
        r += 1.0 * ((pe - PY) / 950.0) ** 2.5
    return r


def h_of_r(r):
    return (r * r - RO * RO) * math.pi * L / AC


def step_h(p):
    """Standpipe fall at cell pressure p: P = Pe(r) + membrane pressure(H(r))."""
    lo, hi = 0.0, 3000.0
    for _ in range(80):
        pe = (lo + hi) / 2
        if pe + membrane_p(h_of_r(soil_r(pe))) > p:
            hi = pe
        else:
            lo = pe
    return h_of_r(soil_r(lo)), lo


H0_TEST = 5.0
TEST_P = [0, 25, 50, 100, 150, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400,
          1500, 1600, 1700, 1800, 1900, 2000]


def creep(pe):
    """Share of the 60 s fall still to come after 15 and 30 s, and the further fall to 120 s."""
    k = 0.01 + (0.0 if pe < PY else 0.05 * ((pe - PY) / 500.0) ** 1.5)
    return k


def header(fields):
    out = [""] * 91
    for n, v in fields.items():
        out[n] = v
    return out[1:]


def cal_raw():
    h = header({
        1: "北浦地区地質調査業務", 2: "No.1", 4: "%.1f" % H0_CAL, 5: "12.0", 7: "令和", 8: "5", 9: "10",
        10: "16", 11: "山田 太郎", 16: "ゾンデ S-12 ゴムチューブ交換後", 21: "1",
        22: "キャリブレーション測定表", 23: "キャリブレーショングラフ", 24: "株式会社 北辰地研",
        44: "0", 45: "Ｎｏ．", 46: "調査名", 47: "担当者", 59: "0"})
    rows = ["%g,%.1f," % (p, H0_CAL + cal_h(p)) for p in CAL_P]
    return ["$$_VCKARUM304", "$$Z"] + h + ["$$C"] + rows


def test_raw():
    h = header({
        1: "北浦地区地質調査業務", 2: "B-2", 3: "-8.50", 4: "%.1f" % H0_TEST, 5: "14.5", 6: "0.35",
        7: "令和", 8: "5", 9: "10", 10: "18", 11: "山田 太郎", 12: "シルト", 13: "6", 15: "-2.30",
        16: "ボーリング孔径 φ86mm", 17: "4.0000", 18: "60.0000", 19: "108.5000", 21: "1",
        22: "孔内水平載荷試験 測定データ", 23: "孔内水平載荷試験 結果図", 24: "株式会社 北辰地研",
        40: "0", 41: "2400", 42: "400", 43: "1", 44: "0", 45: "Ｎｏ．", 46: "調査名", 47: "担当者",
        48: "計算経過式", 57: "0", 59: "1"})
    rows = []
    for p in TEST_P:
        hh, pe = step_h(p)
        k = creep(pe)
        r60 = H0_TEST + hh
        r15 = r60 - hh * 4 * k - 0.1
        r30 = r60 - hh * 2 * k - 0.05
        r120 = r60 + hh * 1.5 * k + 0.05
        rows.append("%g,%g,%.1f,%.1f,%.1f,%.1f,,,,,," % (p, p + 8 if p else 0, r15, r30, r60, r120))
    return ["$$_VDKARUM304", "$$Z"] + h + ["$$A"] + rows + ["$$C"]


KGF = 98.0665


# The regression coefficients of the old calibration rows in kgf/cm2 (old_coefficients() fits them).
OLD_COEFFICIENTS = ["0", "0.0408", "0.000052", "0", "0"]


def old_cal():
    pos = [""] * 41
    pos[1:11] = ["北浦地区地質調査", "No.1", "旧ゾンデ", "3.0", "12.0", "10年5月12日", "鈴木 一郎",
                 "キャリブレーション測定表", "キャリブレーショングラフ", "北辰地研"]
    for i, c in enumerate(OLD_COEFFICIENTS):
        pos[22 + i] = c
    lines = ["$Z40 VEK Ver2"] + pos[1:] + ["$C"]
    for p in CAL_P:
        lines += ["%g" % round(p / KGF, 2), "%.1f" % (H0_CAL + cal_h(p)), "%.1f" % cal_h(p)]
    return lines


# Result fields of a test record and the factor its .ddf position holds them in (kgf/cm2 from kN/m2).
CAL_FILE_NAME_FIELD = 20
# vek imports old files with its factory conversion factor (1 kgf/cm2 = 100 kN/m2).
IMPORT_FACTOR = 100.0
RESULT_SCALES = {33: IMPORT_FACTOR, 34: IMPORT_FACTOR, 35: IMPORT_FACTOR, 36: IMPORT_FACTOR, 37: 1.0,
                 38: IMPORT_FACTOR * 0.1, 39: IMPORT_FACTOR * 0.001}
ROW_SCALES = {7: 1.0, 8: 1.0, 9: IMPORT_FACTOR, 10: IMPORT_FACTOR, 11: IMPORT_FACTOR, 12: 1.0}
ANALYSED_STEPS = "4,12,19"


def old_value(text, scale):
    """A value vek wrote (kN/m2) as the old program kept it."""
    if text.strip() == "":
        return ""
    return "%.4f" % (float(text) / scale) if scale != 1.0 else text


def old_coefficients(vek, env, tmp):
    """The regression vek fits to the old calibration rows (it refits a .cdf on reading), in kgf/cm2."""
    cdf = os.path.join(tmp, "old.cdf")
    write(cdf, old_cal())
    imported = os.path.join(tmp, "old-cal.cdw")
    subprocess.run([vek, "--convert", imported, cdf], env=env, check=True, stderr=subprocess.DEVNULL)
    with open(imported, "rb") as f:
        lines = f.read().split(b"\r\n")
    # Header field f is line f + 1.
    return ["%.8g" % (float(lines[field + 1] or 0) / IMPORT_FACTOR) for field in range(25, 30)]


def old_test_results(vek, env, tmp):
    """Reduces and analyses the .ddf's own data with vek (the import takes the rows and the curve
    coefficients to kN/m2); the results come back in kgf/cm2."""
    ddf = os.path.join(tmp, "old.ddf")
    write(ddf, old_test())
    imported = os.path.join(tmp, "imported.vdw")
    subprocess.run([vek, "--convert", imported, ddf], env=env, check=True, stderr=subprocess.DEVNULL)
    reduced = os.path.join(tmp, "reduced.vdw")
    subprocess.run([vek, "--convert", reduced, imported, "--reduce", "--analyse", ANALYSED_STEPS], env=env,
                   check=True, stderr=subprocess.DEVNULL)
    with open(reduced, "rb") as f:
        out = f.read().decode("cp932").split(CRLF)
    header = {field: old_value(out[field + 1], scale) for field, scale in RESULT_SCALES.items()}
    start = out.index("$$A") + 1
    rows = []
    for line in out[start:start + len(TEST_P[:20])]:
        cells = line.split(",")
        rows.append([old_value(cells[f - 1], ROW_SCALES[f]) for f in range(7, 13)])
    return header, rows


def old_test(results=None):
    pos = [""] * 41
    vals = {1: "北浦地区地質調査", 2: "B-1", 3: "-6.00", 4: "5.0", 5: "14.0", 6: "0.35", 7: "1998/05/14",
            8: "鈴木 一郎", 9: "粘土", 10: "4", 11: "-1.80", 12: "", 13: "4.0", 14: "60.0", 15: "108.5",
            16: "A:\\CAL0512.CDF", 17: "1", 18: "測定データ", 19: "結果図", 20: "北辰地研",
            26: "4", 27: "12", 28: "19", 36: "0", 37: "24"}
    for k, v in vals.items():
        pos[k] = v
    for i, c in enumerate(OLD_COEFFICIENTS):  # header fields 25-29
        pos[21 + i] = c
    header, rows = results if results else ({}, [])
    for field, value in header.items():  # header field f is at position f - 4
        pos[field - 4] = value
    lines = ["$Z40 VEK Ver2"] + pos[1:] + ["$A"]
    for step, p in enumerate(TEST_P[:20]):
        hh, pe = step_h(p)
        k = creep(pe)
        r60 = 5.0 + hh
        pk = p / KGF
        lines += ["%.2f" % pk, "%.2f" % (pk + 0.08 if p else 0), "%.1f" % (r60 - hh * 4 * k - 0.1),
                  "%.1f" % (r60 - hh * 2 * k - 0.05), "%.1f" % r60, "%.1f" % (r60 + hh * 1.5 * k + 0.05)]
        lines += rows[step] if rows else [""] * 6
    lines += ["$C"]
    for p in CAL_P:
        lines += ["%g" % round(p / KGF, 2), "%.1f" % (H0_CAL + cal_h(p)), "%.1f" % cal_h(p)]
    return lines


def main():
    vek = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "app", "vek"))
    with tempfile.TemporaryDirectory() as tmp:
        env = dict(os.environ, VEK_HOME=tmp)
        write(os.path.join(tmp, "cal.cdw"), cal_raw())
        write(os.path.join(tmp, "test.vdw"), test_raw())
        os.chdir(HERE)
        subprocess.run([vek, "--convert", "cal-sample.cdw", os.path.join(tmp, "cal.cdw"), "--reduce"],
                       env=env, check=True)
        # Po, Py' and Pl' at the start and end of the straight part and at the last step.
        subprocess.run([vek, "--convert", "test-sample.vdw", os.path.join(tmp, "test.vdw"),
                        "--attach-cal", "cal-sample.cdw", "--reduce", "--analyse", "5,13,24,1"],
                       env=env, check=True)
        # The calibration path vek stored is this machine's; the sample names the file beside it.
        path = os.path.join(HERE, "test-sample.vdw")
        with open(path, "rb") as f:
            lines = f.read().split(b"\r\n")
        lines[CAL_FILE_NAME_FIELD + 1] = b"cal-sample.cdw"
        with open(path, "wb") as f:
            f.write(b"\r\n".join(lines))
        OLD_COEFFICIENTS[:] = old_coefficients(vek, env, tmp)
        results = old_test_results(vek, env, tmp)
    write(os.path.join(HERE, "old-cal.cdf"), old_cal())
    write(os.path.join(HERE, "old-test.ddf"), old_test(results))


if __name__ == "__main__":
    main()
