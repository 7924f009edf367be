#!/usr/bin/env python3
"""Writes limits.json: a restaurant at the limits the terminal knows, for benchmarks.

801 products over the twelve keyboards, 50 supplements, 100 tables, ten set menus of six steps, nine kitchen
option lists. Names are long and accented so that the replies are as long as they get, within what the
settings cache holds.
Usage: make_limits.py [output]   (default: limits.json next to this script)
"""
import json
import os
import sys

SET_MENUS = list(range(552, 562))
COLOURS = ["xFFF8BBD0", "xFFB3E5FC", "xFFFFE082", "xFFEF9A9A", "xFFFFF59D", "xFFC5E1A5",
           "xFFFFCC80", "xFFBCAAA4", "xFFFFF9C4", "xFFE1BEE7", "xFFD7CCC8", "xFF80CBC4"]


def product(article, keyboard):
    options = article % 10  # option lists 1-9, one product in ten without
    entry = {
        "article": article,
        "name": "Article %03d spécialité maison élaborée" % article,
        "price": 100 + article * 5,
        "colour": COLOURS[keyboard - 1],
        "kitchenLabel": "ART %03d LIBELLÉ CUISINE" % article,
        "courses": [1 + article % 7] + ([1 + (article + 3) % 7] if article % 2 else []),
    }
    if options:
        entry["kitchenOptions"] = options
    if article <= 800 and article % 3 == 0:
        entry["supplements"] = True
    return entry


def keyboards():
    others = [a for a in range(1, 802) if a not in SET_MENUS]
    result = []
    for number in range(1, 13):
        if number < 12:
            articles = others[(number - 1) * 67:number * 67]
        else:
            articles = SET_MENUS + others[11 * 67:]
        result.append({"number": number, "name": "Clavier numéro %d" % number,
                       "products": [product(a, number) for a in articles]})
    return result


def set_menus():
    result = []
    for index, article in enumerate(SET_MENUS):
        steps = []
        for step in range(6):
            first = 1 + (index * 6 + step) * 7
            steps.append({"course": step + 2, "articles": list(range(first, first + 7))})
        result.append({"article": article, "name": "Formule numéro %d" % (index + 1), "steps": steps})
    return result


def rooms():
    # The terminal draws a table 1.2 times its size with its left edge at left + width and its top edge at
    # 800 - top - height; the grids below are laid out on what it draws.
    def table(number, x, y, width, height):
        return {"number": number, "covers": 2 + number % 5, "left": x - width, "top": 800 - y - height,
                "width": width, "height": height}

    plan1 = [table(1 + r * 8 + c, 50 + c * 68, 80 + r * 130, 40, 50) for r in range(5) for c in range(8)]
    plan2 = [table(41 + r * 6 + c, 60 + c * 88, 80 + r * 130, 50, 50) for r in range(5) for c in range(6)]
    plan3 = [table(71 + r * 6 + c, 60 + c * 88, 80 + r * 130, 50, 50) for r in range(5) for c in range(6)]
    return [{"plan": 1, "name": "Salle principale", "tables": plan1},
            {"plan": 2, "name": "Terrasse couverte", "tables": plan2},
            {"plan": 3, "name": "Salon du premier étage", "tables": plan3}]


def restaurant():
    return {
        "restaurant": "Limites de la caisse",
        "address": "Banc d'essai",
        "waiters": [{"number": n, "name": "Serveur numéro %d" % n, "code": "%d" % (1111 * n), "clockedIn": True}
                    for n in range(1, 9)],
        "paymentModes": [{"command": "cb$", "caption": "Carte bancaire sans contact"},
                         {"command": "ch$", "caption": "Chèque bancaire"},
                         {"command": "ba$", "caption": "Titre-restaurant dématérialisé"},
                         {"command": "es$", "caption": "Espèces en euros"}],
        "printingOptions": [1, 1, 1],
        # the kitchen lists and recall messages come in one reply, which the settings cache holds up to 2047
        # characters: these fill it nearly to the brim
        "kitchenOptions": [{"list": n, "name": "Options %d" % n,
                            "choices": ["Option %d choix %d préparé" % (n, c) for c in range(1, 7)]}
                           for n in range(1, 10)],
        "recallMessages": ["Rappel numéro %d cuisine" % n for n in range(1, 21)],
        "supplements": [{"code": n, "name": "Supplément numéro %d garni" % n, "price": 50 * n} for n in range(1, 51)],
        "keyboards": keyboards(),
        "setMenus": set_menus(),
        "rooms": rooms(),
    }


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                                "limits.json")
    with open(output, "w", encoding="utf-8") as file:
        json.dump(restaurant(), file, ensure_ascii=False, indent=1)
        file.write("\n")


if __name__ == "__main__":
    main()
