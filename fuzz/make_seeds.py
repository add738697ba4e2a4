#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: byte encodings of the sequences the tests walk through."""
import pathlib

TYPE, FOCUS, CLICK31, BUTTON, BACKSPACE, PASTE, ASSIGN = 3, 0, 1, 2, 6, 9, 10


def typed(text):
    return [b for ch in text for b in (TYPE, int(ch))]


def focus(field):
    return [FOCUS, field - 1]


SEEDS = {
    "first-octet-cut-and-clamp": typed("1924") + typed("5"),
    "whole-address": [CLICK31] + typed("3232235777") + focus(3),
    "whole-address-wraps": [CLICK31] + typed("4294967296") + [BUTTON, 0],
    "class-c-mask": typed("200") + focus(23) + typed("224"),
    "class-a-mask-then-class": typed("10") + focus(24) + typed("255") + focus(1) + typed("0"),
    "reset-twice": typed("255") + [BUTTON, 1, BUTTON, 1],
    "backspace-emptied": typed("12") + [BACKSPACE, BACKSPACE] + focus(2) + typed("007"),
    "long-paste": [PASTE, 0xFF, 0x0F] + [7] * 4095,
    "assign-fraction": [ASSIGN, 9, 3, 1, 21, 5],
}

corpus = pathlib.Path(__file__).with_name("corpus")
corpus.mkdir(exist_ok=True)
for name, data in SEEDS.items():
    (corpus / name).write_bytes(bytes(data))
