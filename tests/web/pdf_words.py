"""pdf_words.py A.pdf B.pdf TOLERANCE: the two files have the same pages, page
sizes and words, each word's box within TOLERANCE points of its match (pdftotext
-bbox; words are matched by text, nearest first, so that reading order may
differ where two words sit at one height). Prints what differs; exit 1 if any."""
import re
import subprocess
import sys


def pages(pdf):
    text = subprocess.run(['pdftotext', '-bbox', pdf, '-'], capture_output=True, text=True,
                          check=True).stdout
    out = []
    for page in text.split('<page ')[1:]:
        size = tuple(float(v) for v in re.match(r'width="([\d.]+)" height="([\d.]+)"', page).groups())
        words = [(m.group(5), tuple(float(v) for v in m.group(1, 2, 3, 4))) for m in re.finditer(
            r'<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">(.*?)</word>',
            page)]
        out.append((size, words))
    return out


def main():
    a, b, tolerance = pages(sys.argv[1]), pages(sys.argv[2]), float(sys.argv[3])
    faults = []
    if len(a) != len(b):
        faults.append(f'{len(a)} pages against {len(b)}')
    worst = 0.0
    words = 0
    for number, ((size_a, words_a), (size_b, words_b)) in enumerate(zip(a, b), 1):
        if max(abs(p - q) for p, q in zip(size_a, size_b)) > 0.01:
            faults.append(f'page {number}: size {size_a} against {size_b}')
        pool = list(words_b)
        for text, box in words_a:
            same = [w for w in pool if w[0] == text]
            if not same:
                faults.append(f'page {number}: "{text}" missing')
                continue
            match = min(same, key=lambda w: max(abs(p - q) for p, q in zip(box, w[1])))
            pool.remove(match)
            off = max(abs(p - q) for p, q in zip(box, match[1]))
            worst = max(worst, off)
            words += 1
            if off > tolerance:
                faults.append(f'page {number}: "{text}" {off:.3f} pt away')
        faults += [f'page {number}: "{w[0]}" extra' for w in pool]
    for f in faults[:20]:
        print(f)
    print(f'{len(a)} pages, {words} words, farthest {worst:.3f} pt')
    return 1 if faults or words == 0 else 0


sys.exit(main())
