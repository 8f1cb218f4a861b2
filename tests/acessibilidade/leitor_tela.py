#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader gets from the main window, through the real accessibility bus.

Run by leitor_tela.sh inside its own X server and session bus. Starts the application
(argv[1]), finds its main window in the AT-SPI tree, and checks: every control a user reaches
is named (the picture buttons as push buttons), Tab visits them in reading order, and after
typing C7 the keyboard says what it shows.
"""
import subprocess
import sys
import time

import pyatspi

TITULO = "Corvela Tastavo"
ORDEM_TAB = ["Chord", "Previous position", "Next position", "Listen", "Catalogue", "Add", "Remove",
             "Print", "Print list", "Chord chart", "Show on the keys", "Settings", "Project home page",
             "Minimise", "Help", "Quit"]
BOTOES = ["Previous position", "Next position", "Listen", "Add", "Remove", "Print", "Chord chart",
          "Settings", "Project home page", "Minimise", "Help", "Quit"]

falhas = []


def verificar(condicao, mensagem):
    if not condicao:
        falhas.append(mensagem)
        print("FAIL:", mensagem, flush=True)


def descendentes(obj):
    for i in range(obj.childCount):
        filho = obj.getChildAtIndex(i)
        if filho is None:
            continue
        yield filho
        yield from descendentes(filho)


def janela_principal(processo, limite=30.0):
    fim = time.time() + limite
    while time.time() < fim and processo.poll() is None:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for janela in app:
                if janela is not None and janela.name == TITULO and janela.childCount > 0:
                    return janela
        time.sleep(0.2)
    return None


def nome_falado(obj):
    """What a reader says for the control: its name, or for a drop-down list the label that
    names it (on Linux a list's own name is its current text)."""
    if obj is None:
        return None
    if obj.getRole() == pyatspi.ROLE_COMBO_BOX:
        for relacao in obj.getRelationSet():
            if relacao.getRelationType() == pyatspi.RELATION_LABELLED_BY and relacao.getNTargets() > 0:
                return relacao.getTarget(0).name
    return obj.name


def focado(janela):
    for obj in descendentes(janela):
        if obj.getState().contains(pyatspi.STATE_FOCUSED):
            return obj
    return None


def tecla(nome):
    subprocess.run(["xdotool", "key", "--clearmodifiers", nome], check=True)
    time.sleep(0.25)


def main():
    # The accessibility bus first: its launcher sets itself up on the X server while an
    # application connecting at that moment can be turned away.
    pyatspi.Registry.getDesktop(0)
    processo = subprocess.Popen([sys.argv[1]])
    try:
        janela = janela_principal(processo)
        for _ in range(2):
            if janela is not None or processo.poll() is None:
                break
            # It could not reach the display: once more, as a user would start it again.
            processo = subprocess.Popen([sys.argv[1]])
            janela = janela_principal(processo)
        if janela is None:
            print("FAIL: the main window never reached the accessibility bus", flush=True)
            return 1
        # Keys typed from here go to the application's window.
        subprocess.run(["xdotool", "search", "--sync", "--name", "^" + TITULO + "$", "windowfocus", "--sync"],
                       check=True, timeout=20)
        time.sleep(0.5)

        objetos = list(descendentes(janela))
        por_nome = {}
        for obj in objetos:
            por_nome.setdefault(obj.name, obj)
        for nome in BOTOES:
            obj = por_nome.get(nome)
            verificar(obj is not None, "no control named %r" % nome)
            if obj is not None:
                verificar(obj.getRole() == pyatspi.ROLE_PUSH_BUTTON,
                          "%r is a %s, not a push button" % (nome, obj.getRoleName()))
                verificar(obj.getState().contains(pyatspi.STATE_FOCUSABLE), "%r cannot take the focus" % nome)
                verificar(obj.description != "", "%r has no description" % nome)
        lista = por_nome.get("Print list")
        verificar(lista is not None and lista.getRole() == pyatspi.ROLE_LIST, "the print list is not a named list")
        teclado = por_nome.get("Keyboard")
        verificar(teclado is not None, "the keyboard has no name")

        # The Tab order, from the chord field round to it again.
        atual = focado(janela)
        verificar(atual is not None and atual.name == "Chord", "the chord field does not have the focus at start")
        visitados = [nome_falado(atual)]
        for _ in range(len(ORDEM_TAB)):
            tecla("Tab")
            visitados.append(nome_falado(focado(janela)))
        verificar(visitados == ORDEM_TAB + ["Chord"], "Tab order %r" % visitados)

        # A chord typed and entered: the keys say what they show.
        tecla("ctrl+l")
        subprocess.run(["xdotool", "type", "--delay", "50", "C7"], check=True)
        tecla("Return")
        texto = teclado.description if teclado else ""
        verificar(texto == "C7, position 1 of 4: G A# C E, fingers 5 4 2 1", "keyboard text after C7: %r" % texto)
        tecla("alt+Right")
        texto = teclado.description if teclado else ""
        verificar(texto.startswith("C7, position 2 of "), "keyboard text after the next position: %r" % texto)
        print("keyboard:", texto, flush=True)
    finally:
        processo.terminate()
        try:
            processo.wait(10)
        except subprocess.TimeoutExpired:
            processo.kill()
    if falhas:
        print("%d failure(s)" % len(falhas), flush=True)
        return 1
    print("OK", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
